// The plain values of a look that the composition needs, shared by the
// program and the hook library: no strings, nothing that allocates.
#pragma once
#include <cstdint>

namespace lume {

using Color = uint32_t;  // COLORREF layout: red in the low byte, 0x00BBGGRR

enum class SurfaceKind : uint8_t {
    Gradation = 0,  // horizontal gradient from Left to Right
    Texture = 1,    // the Texture bitmap file, tiled
    Default = 2,    // the system's own caption background
};

struct CommonSettings {
    int32_t NormalXShift = 0;
    int32_t NormalYShift = 0;
    int32_t ToolXShift = 0;
    int32_t ToolYShift = 0;
    int32_t ShadowShift = 0;
    bool NoButtons = false;
    bool NoCloseButton = false;
    bool SBNoCust = false;  // loaded, carried through the dialog and saved; nothing else reads it
    bool operator==(const CommonSettings&) const = default;
};

// The letters' and their shadow's colours of one look.
struct TextColours {
    Color Letter = 0;
    Color Shadow = 0;
};

} // namespace lume
