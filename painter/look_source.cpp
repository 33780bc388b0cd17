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

SurfacePixels PixelsOf(const LookParts& look, bool active)
{
    const CaptionLook& settings = active ? look.settings->Active : look.settings->Inactive;
    const SurfaceBitmap* surface = look.surfaces ? SurfaceOf(*look.surfaces, settings, active) : nullptr;
    if (!surface || !surface->pixels)
        return {};
    return {settings.Surface, surface->width, surface->height, surface->pixels};
}

} // namespace

LookSource LookSourceOf(const LookParts& look, const ExclusionList& leftAlone)
{
    GdiFlush();  // the surfaces' pixels as drawn
    const CaptionSettings& settings = *look.settings;
    LookSource source;
    source.common = settings.Common;
    source.colours[InactiveLook] = {settings.Inactive.Letter, settings.Inactive.Shadow};
    source.colours[ActiveLook] = {settings.Active.Letter, settings.Active.Shadow};
    source.surfaces[InactiveLook] = PixelsOf(look, false);
    source.surfaces[ActiveLook] = PixelsOf(look, true);
    if (look.normalFont)
        source.fonts[NormalFontIndex] = ResolvedFont(look.normalFont->handle());
    if (look.toolFont)
        source.fonts[ToolFontIndex] = ResolvedFont(look.toolFont->handle());
    source.metrics = CachedSystemMetrics;
    source.leftAlone = leftAlone.names();
    return source;
}

LookSource CurrentLookSource() { return LookSourceOf(ShownLook(), ExcludedPrograms); }

} // namespace lume
