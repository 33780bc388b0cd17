#include "look/look_source.h"

#include <windows.h>

#include "look/surfaces.h"

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

// A composed caption takes one colour: the mean of the surface, as a COLORREF
// (the pixels are 0x00RRGGBB); the system's own for its background.
Color MeanColour(const SurfacePixels& surface)
{
    if (!surface.pixels || surface.width <= 0 || surface.height <= 0 || surface.kind == SurfaceKind::Default)
        return SystemFrameColour;
    uint64_t sums[3] = {};
    const size_t count = static_cast<size_t>(surface.width) * static_cast<size_t>(surface.height);
    for (size_t i = 0; i < count; ++i)
        for (int channel = 0; channel < 3; ++channel)
            sums[channel] += (surface.pixels[i] >> (8 * channel)) & 0xFFu;
    const auto mean = [&](int channel) { return static_cast<Color>(sums[channel] / count); };
    return RGB(mean(2), mean(1), mean(0));
}

} // namespace

LookSource LookSourceOf(const LookParts& look, const SystemFrameMetrics& metrics)
{
    GdiFlush();  // the surfaces' pixels as drawn
    const CaptionSettings& settings = *look.settings;
    LookSource source;
    source.common = settings.Common;
    source.colours[InactiveLook] = {settings.Inactive.Letter, settings.Inactive.Shadow};
    source.colours[ActiveLook] = {settings.Active.Letter, settings.Active.Shadow};
    source.surfaces[InactiveLook] = PixelsOf(look, false);
    source.surfaces[ActiveLook] = PixelsOf(look, true);
    for (int i = 0; i < 2; ++i)
        source.tint[i] = MeanColour(source.surfaces[i]);
    if (look.normalFont)
        source.fonts[NormalFontIndex] = ResolvedFont(look.normalFont->handle());
    if (look.toolFont)
        source.fonts[ToolFontIndex] = ResolvedFont(look.toolFont->handle());
    source.metrics = metrics;
    if (look.excluded)
        source.leftAlone = look.excluded->names();
    return source;
}

} // namespace lume
