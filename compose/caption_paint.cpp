#include "compose/caption_paint.h"

#include "compose/caption_drawing.h"
#include "core/win_handles.h"

namespace lume {

HBITMAP NewDibSection(int32_t width, int32_t height, uint32_t** pixels) noexcept
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    *pixels = bitmap ? static_cast<uint32_t*>(bits) : nullptr;
    return bitmap;
}

HDC CompositionDib::prepare(int32_t needWidth, int32_t needHeight) noexcept
{
    if (needWidth <= 0 || needHeight <= 0 || needWidth > CompositionSideLimit || needHeight > CompositionSideLimit)
        return nullptr;
    if (dc && needWidth <= width && needHeight <= height)
        return dc;
    const int32_t newWidth = needWidth > width ? needWidth : width;
    const int32_t newHeight = needHeight > height ? needHeight : height;
    release();
    dc = CreateCompatibleDC(nullptr);
    bitmap = dc ? NewDibSection(newWidth, newHeight, &pixels) : nullptr;
    if (!bitmap) {
        release();
        return nullptr;
    }
    original = SelectObject(dc, bitmap);
    width = newWidth;
    height = newHeight;
    return dc;
}

void CompositionDib::release() noexcept
{
    {
        // Closed in turn as the owners go: the DC's own bitmap put back, the DC, then the bitmap.
        const win::GdiObject<HBITMAP> ownBitmap(bitmap);
        const win::MemoryDcHandle ownDc(dc);
        const auto ownSelection = win::SelectedObject::TakenOver(dc, original);
    }
    *this = CompositionDib{};
}

namespace {

// A texture of a few tiles is blitted tile by tile; a small one that a
// caption repeats many times (a 1 x 22 strip, 1,900 times over a wide
// caption) is laid in one fill with a brush of it, whose copy of the pixels
// costs less than the blits.
constexpr uint64_t BlitsPerTexture = 4;

// 32-bit division: the hook library has no runtime for 64-bit division on x86.
uint64_t TileCount(const Rect& caption, int32_t width, int32_t height) noexcept
{
    const uint32_t across = caption.width() > 0 ? (static_cast<uint32_t>(caption.width()) - 1) / width + 1 : 0;
    const uint32_t down = caption.height() > 0 ? (static_cast<uint32_t>(caption.height()) - 1) / height + 1 : 0;
    return uint64_t{across} * down;
}

// The tiles anchored at the caption's top-left corner, as the blits put them.
bool PaintPattern(HDC dc, const SurfaceSource& surface, const Rect& caption) noexcept
{
    const win::GdiObject<HBRUSH> pattern(
        CreatePatternBrush(static_cast<HBITMAP>(GetCurrentObject(surface.dc, OBJ_BITMAP))));
    if (!pattern)
        return false;
    POINT origin{};
    SetBrushOrgEx(dc, caption.left, caption.top, &origin);
    {
        const win::SelectedObject selected(dc, pattern.get());
        PatBlt(dc, caption.left, caption.top, caption.width(), caption.height(), PATCOPY);
    }
    SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
    return true;
}

} // namespace

bool PaintSurface(HDC dc, const SurfaceSource& surface, const Rect& caption) noexcept
{
    if (!surface.dc)
        return false;
    switch (surface.kind) {
    case SurfaceKind::Gradation:
        SetStretchBltMode(dc, COLORONCOLOR);
        return StretchBlt(dc, caption.left, caption.top, caption.width(), caption.height(), surface.dc, 0, 0,
                          surface.width, surface.height, SRCCOPY);
    case SurfaceKind::Texture:
        if (surface.width <= 0 || surface.height <= 0)
            return false;  // tiling would never advance
        if (TileCount(caption, surface.width, surface.height) > BlitsPerTexture)
            return PaintPattern(dc, surface, caption);
        ForEachTextureTile(caption, surface.width, surface.height, [&](const Rect& tile) {
            BitBlt(dc, tile.left, tile.top, tile.width(), tile.height(), surface.dc, 0, 0, SRCCOPY);
        });
        return true;
    case SurfaceKind::Default:
        break;
    }
    return false;
}

namespace {

// Shadow, then letters, transparent, cut to the text's clip, in the caption's font.
void PaintCaptionText(HDC dc, const CaptionLayout& layout, const CaptionText& text) noexcept
{
    const win::SelectedObject font(dc, text.font);
    const Rect clip = CaptionTextClip(layout);
    const RECT clipRect{clip.left, clip.top, clip.right, clip.bottom};
    SetBkMode(dc, TRANSPARENT);
    const Point shadow = CaptionShadowOrigin(layout, text.shadowShift);
    SetTextColor(dc, layout.ShadowColour);
    ExtTextOutW(dc, shadow.x, shadow.y, ETO_CLIPPED, &clipRect, text.title, text.length, nullptr);
    const Point letters = CaptionLetterOrigin(layout);
    SetTextColor(dc, layout.LetterColour);
    ExtTextOutW(dc, letters.x, letters.y, ETO_CLIPPED, &clipRect, text.title, text.length, nullptr);
}

} // namespace

bool ComposeCaption(const CompositionDib& composition, const CaptionLayout& layout, const CompositionBands& bands,
                    const SurfaceSource& surface, const CaptionText& text, HDC system) noexcept
{
    const Rect& caption = layout.CaptionRect;
    const bool drawn = PaintSurface(composition.dc, surface, caption);
    if (!drawn && system)
        BitBlt(composition.dc, caption.left, caption.top, caption.width(), caption.height(), system, caption.left,
               caption.top, SRCCOPY);
    if (text.font) {
        PaintCaptionText(composition.dc, layout, text);
        GdiFlush();
        DrawLines({composition.pixels, composition.width, bands}, CaptionLines(layout));
    }
    return drawn;
}

HRGN CaptionClipRegion(const CaptionLayout& layout, bool fullRepaint, bool withLines, Point offset) noexcept
{
    win::GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    if (!region)
        return nullptr;
    CombineRects(region.get(), PaintedArea(layout, withLines), offset, RGN_OR);
    CombineRects(region.get(), LeftAlone(layout, fullRepaint), offset, RGN_DIFF);
    return region.release();
}

void PutComposedCaption(HDC target, const CompositionDib& composition, const CompositionBands& bands) noexcept
{
    BitBlt(target, 0, bands.top.top, bands.top.width(), bands.top.height(), composition.dc, 0, 0, SRCCOPY);
    if (!bands.bottom.empty())
        BitBlt(target, 0, bands.bottom.top, bands.bottom.width(), bands.bottom.height(), composition.dc, 0,
               bands.top.height(), SRCCOPY);
}

} // namespace lume
