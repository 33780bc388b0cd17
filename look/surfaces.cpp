#include "look/surfaces.h"

#include "compose/caption_drawing.h"
#include "compose/caption_paint.h"
#include "look/bitmap_file.h"
#include "settings/settings.h"

namespace lume {

namespace {

SurfaceBitmap CopyOfPicture(HBITMAP picture)
{
    BITMAP info{};
    if (!picture || !GetObjectA(picture, sizeof info, &info))
        return {};
    SurfaceBitmap copy = NewSurfaceBitmap(info.bmWidth, info.bmHeight);
    ui::MemoryDc source(picture), target(copy.bitmap.get());
    if (source.get() && target.get())
        BitBlt(target.get(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
    return copy;
}

SurfaceBitmap GradientSurface(const CaptionLook& look)
{
    SurfaceBitmap gradient = NewSurfaceBitmap(GradientWidth, GradientHeight);
    if (!gradient.bitmap)
        return gradient;
    GdiFlush();
    for (int32_t column = 0; column < GradientWidth; ++column) {
        Color color = GradientColumn(look.Left, look.Right, column);
        uint32_t pixel = ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
        for (int32_t row = 0; row < GradientHeight; ++row)
            gradient.pixels[row * GradientWidth + column] = pixel;
    }
    return gradient;
}

// Read aside, so that a file that fails leaves the old bitmap as it was.
SurfaceBitmap TextureSurface(const std::string& path, TextureFailure onFailure, HBITMAP substitute)
{
    if (path.empty() || !FileExists(path))
        return CopyOfPicture(substitute);
    if (onFailure == TextureFailure::Raise)
        return ReadBitmapFile(path);
    std::string error;
    std::optional<SurfaceBitmap> texture = TryReadBitmapFile(path, error);
    return texture ? std::move(*texture) : CopyOfPicture(substitute);
}

} // namespace

SurfaceBitmap NewSurfaceBitmap(int32_t width, int32_t height)
{
    SurfaceBitmap surface;
    if (width <= 0 || height <= 0)
        return surface;
    surface.bitmap.reset(NewDibSection(width, height, &surface.pixels));
    if (surface.bitmap) {
        surface.width = width;
        surface.height = height;
    }
    return surface;
}

void BuildSurfaces(const CaptionSettings& settings, CaptionSurfaces& surfaces, TextureFailure onFailure,
                   HBITMAP substitute)
{
    for (bool active : {true, false}) {
        const CaptionLook& look = active ? settings.Active : settings.Inactive;
        switch (look.Surface) {
        case SurfaceKind::Gradation:
            if (SurfaceBitmap gradient = GradientSurface(look); gradient.bitmap)
                (active ? surfaces.ActiveGradient : surfaces.InactiveGradient) = std::move(gradient);
            break;
        case SurfaceKind::Texture:
            (active ? surfaces.ActiveTexture : surfaces.InactiveTexture) = TextureSurface(look.Texture, onFailure, substitute);
            break;
        case SurfaceKind::Default:
            break;
        }
    }
}

const SurfaceBitmap* SurfaceOf(const CaptionSurfaces& surfaces, const CaptionLook& look, bool active)
{
    switch (look.Surface) {
    case SurfaceKind::Gradation:
        return active ? &surfaces.ActiveGradient : &surfaces.InactiveGradient;
    case SurfaceKind::Texture:
        return active ? &surfaces.ActiveTexture : &surfaces.InactiveTexture;
    case SurfaceKind::Default:
        break;
    }
    return nullptr;
}

} // namespace lume
