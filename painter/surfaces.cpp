#include "painter/surfaces.h"

#include "compose/caption_paint.h"
#include "painter/bitmap_file.h"
#include "compose/caption_drawing.h"
#include "settings/settings.h"

namespace lume {

std::unique_ptr<CaptionSurfaces> Surfaces;

namespace {

HBITMAP SubstitutePicture;  // borrowed from the application

const CaptionLook& LookOf(bool active) { return active ? Settings.Active : Settings.Inactive; }

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

void SetSubstituteTexture(HBITMAP picture) { SubstitutePicture = picture; }

void BuildCaptionSurfaces()
{
    for (bool active : {true, false}) {
        switch (LookOf(active).Surface) {
        case SurfaceKind::Gradation:
            BuildGradientSurface(active);
            break;
        case SurfaceKind::Texture:
            LoadTextureSurface(active);
            break;
        case SurfaceKind::Default:
            break;
        }
    }
}

void BuildGradientSurface(bool active)
{
    const CaptionLook& look = LookOf(active);
    SurfaceBitmap gradient = NewSurfaceBitmap(GradientWidth, GradientHeight);
    if (!gradient.bitmap)
        return;
    GdiFlush();
    for (int32_t column = 0; column < GradientWidth; ++column) {
        Color color = GradientColumn(look.Left, look.Right, column);
        uint32_t pixel = ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
        for (int32_t row = 0; row < GradientHeight; ++row)
            gradient.pixels[row * GradientWidth + column] = pixel;
    }
    (active ? Surfaces->ActiveGradient : Surfaces->InactiveGradient) = std::move(gradient);
}

void LoadTextureSurface(bool active)
{
    const std::string& path = LookOf(active).Texture;
    // Built aside, so that a file that fails leaves the old bitmap as it was.
    SurfaceBitmap texture = !path.empty() && FileExists(path) ? ReadBitmapFile(path) : CopyOfPicture(SubstitutePicture);
    (active ? Surfaces->ActiveTexture : Surfaces->InactiveTexture) = std::move(texture);
}

const SurfaceBitmap* SurfaceOf(bool active)
{
    switch (LookOf(active).Surface) {
    case SurfaceKind::Gradation:
        return active ? &Surfaces->ActiveGradient : &Surfaces->InactiveGradient;
    case SurfaceKind::Texture:
        return active ? &Surfaces->ActiveTexture : &Surfaces->InactiveTexture;
    case SurfaceKind::Default:
        break;
    }
    return nullptr;
}

} // namespace lume
