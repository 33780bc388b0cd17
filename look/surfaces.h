// The prepared caption backgrounds: two gradients and two textures, built
// when the settings change and only stretched or tiled at paint time.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "compose/caption_layout.h"
#include "core/geometry.h"
#include "settings/caption_settings.h"
#include "ui/handles.h"

namespace lume {

// A 32-bit top-down DIB section; no handle and 0 x 0 for an empty bitmap.
struct SurfaceBitmap {
    ui::BitmapHandle bitmap;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t* pixels = nullptr;  // 0x00RRGGBB, row after row
};

SurfaceBitmap NewSurfaceBitmap(int32_t width, int32_t height);

struct CaptionSurfaces {
    SurfaceBitmap ActiveGradient;
    SurfaceBitmap InactiveGradient;
    SurfaceBitmap ActiveTexture;
    SurfaceBitmap InactiveTexture;
};

// What a texture file that fails to load does to a build.
enum class TextureFailure {
    Raise,       // its UserError stops the build there; that bitmap keeps what it held
    Substitute,  // the substitute picture in its place, quietly (a preview)
};

// Active group first, then inactive, for `settings` into `surfaces`: a
// gradient, a texture or nothing. A texture with no file, or with an empty
// path, is a copy of `substitute` (borrowed; none without it).
void BuildSurfaces(const CaptionSettings& settings, CaptionSurfaces& surfaces, TextureFailure onFailure,
                   HBITMAP substitute);

// The prepared surface of a look in `surfaces` (none for the system's own background).
const SurfaceBitmap* SurfaceOf(const CaptionSurfaces& surfaces, const CaptionLook& look, bool active);

} // namespace lume
