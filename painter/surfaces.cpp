#include "painter/surfaces.h"

#include "painter/bitmap_file.h"
#include "painter/caption_drawing.h"
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
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    surface.bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (surface.bitmap) {
        surface.width = width;
        surface.height = height;
        surface.pixels = static_cast<uint32_t*>(bits);
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

bool PaintSurface(HDC dc, const CaptionLayout& layout)
{
    const bool active = layout.IsActive;
    switch (LookOf(active).Surface) {
    case SurfaceKind::Gradation:
        return StretchGradient(dc, active ? Surfaces->ActiveGradient : Surfaces->InactiveGradient, layout.CaptionRect);
    case SurfaceKind::Texture:
        return TileTexture(dc, active ? Surfaces->ActiveTexture : Surfaces->InactiveTexture, layout.CaptionRect);
    case SurfaceKind::Default:
        break;
    }
    return false;  // the system's own background stays
}

bool StretchGradient(HDC dc, const SurfaceBitmap& gradient, const Rect& caption)
{
    ui::MemoryDc source(gradient.bitmap.get());
    if (!source.get())
        return false;
    SetStretchBltMode(dc, COLORONCOLOR);
    return StretchBlt(dc, caption.left, caption.top, caption.width(), caption.height(), source.get(), 0, 0,
                      gradient.width, gradient.height, SRCCOPY);
}

bool TileTexture(HDC dc, const SurfaceBitmap& texture, const Rect& caption)
{
    ui::MemoryDc source(texture.bitmap.get());
    if (!source.get())
        return false;  // also a texture without pixels: tiling would never advance
    for (const Rect& tile : TextureTiles(caption, texture.width, texture.height))
        BitBlt(dc, tile.left, tile.top, tile.width(), tile.height(), source.get(), 0, 0, SRCCOPY);
    return true;
}

} // namespace lume
