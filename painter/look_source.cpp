#include "painter/look_source.h"

#include <windows.h>

#include "painter/painter.h"
#include "painter/surfaces.h"
#include "settings/settings.h"

namespace lume {

namespace {

static_assert(sizeof(LOGFONTW) == LookFontBytes);

// The font's description with the face it resolved to on this system, so
// that every process that makes it again gets the same face.
std::vector<uint8_t> ResolvedFont(HFONT font)
{
    LOGFONTW description{};
    if (!font || !GetObjectW(font, sizeof description, &description))
        return {};
    if (HDC screen = GetDC(nullptr)) {
        const HGDIOBJ previous = SelectObject(screen, font);
        wchar_t face[LF_FACESIZE] = {};
        if (GetTextFaceW(screen, LF_FACESIZE, face) > 0)
            lstrcpynW(description.lfFaceName, face, LF_FACESIZE);
        SelectObject(screen, previous);
        ReleaseDC(nullptr, screen);
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(&description);
    return {bytes, bytes + sizeof description};
}

SurfacePixels PixelsOf(bool active)
{
    const SurfaceBitmap* surface = Surfaces ? SurfaceOf(active) : nullptr;
    if (!surface || !surface->pixels)
        return {};
    return {(active ? Settings.Active : Settings.Inactive).Surface, surface->width, surface->height, surface->pixels};
}

} // namespace

LookSource CurrentLookSource()
{
    GdiFlush();  // the surfaces' pixels as drawn
    LookSource source;
    source.common = Settings.Common;
    source.colours[InactiveLook] = {Settings.Inactive.Letter, Settings.Inactive.Shadow};
    source.colours[ActiveLook] = {Settings.Active.Letter, Settings.Active.Shadow};
    source.surfaces[InactiveLook] = PixelsOf(false);
    source.surfaces[ActiveLook] = PixelsOf(true);
    if (NormalFont)
        source.fonts[NormalFontIndex] = ResolvedFont(NormalFont->handle());
    if (ToolFont)
        source.fonts[ToolFontIndex] = ResolvedFont(ToolFont->handle());
    source.metrics = CachedSystemMetrics;
    source.leftAlone = ExcludedPrograms.names();
    return source;
}

} // namespace lume
