#include "compose/caption_composition.h"

#include "core/win_constants.h"

namespace lume {

int32_t CompositionBands::rowOf(int32_t y) const noexcept
{
    if (y >= top.top && y < top.bottom)
        return y - top.top;
    if (y >= bottom.top && y < bottom.bottom)
        return y - bottom.top + top.height();
    return -1;
}

CompositionBands ComposedBands(const CaptionLayout& layout) noexcept
{
    const int32_t width = layout.WindowBox.right + 1, height = layout.WindowBox.bottom + 1;
    const int32_t captionEdge = layout.CaptionRect.bottom;  // the white edge's row, and the grooves' a
    CompositionBands bands{{0, 0, width, captionEdge + 1}, {}};
    if (!(layout.Style & win::WsThickFrame))
        return bands;
    // The bottom corners' grooves: rows H - a - 2 to H - 2.
    const Rect bottom{0, height - captionEdge - 2, width, height};
    if (bottom.top <= bands.top.bottom)
        bands.top.bottom = bands.top.bottom > height ? bands.top.bottom : height;
    else
        bands.bottom = bottom;
    return bands;
}

Rect SegmentPixels(const LineSegment& line) noexcept
{
    const Point a = line.from, b = line.to;
    if (a.y == b.y)
        return a.x <= b.x ? Rect{a.x, a.y, b.x, a.y + 1} : Rect{b.x + 1, a.y, a.x + 1, a.y + 1};
    return a.y <= b.y ? Rect{a.x, a.y, a.x + 1, b.y} : Rect{a.x, b.y + 1, a.x + 1, a.y + 1};
}

CaptionLineList CaptionLines(const CaptionLayout& layout) noexcept
{
    CaptionLineList lines;
    for (const LineSegment& edge : CaptionEdgeLines(layout.CaptionRect))
        lines.push_back(edge);
    if (layout.Style & win::WsThickFrame)
        for (const LineSegment& groove :
             SizingGrooveLines(layout.CaptionRect.bottom, layout.WindowBox, layout.FrameX, layout.FrameY))
            lines.push_back(groove);
    return lines;
}

PaintedRects PaintedArea(const CaptionLayout& layout, bool withLines) noexcept
{
    PaintedRects area;
    const Rect& c = layout.CaptionRect;
    if (!withLines) {
        area.push_back(c);
        return area;
    }
    area.push_back({c.left - 1, c.top - 1, c.right + 1, c.bottom + 1});  // the caption in its edge
    if (layout.Style & win::WsThickFrame)
        for (const LineSegment& groove :
             SizingGrooveLines(layout.CaptionRect.bottom, layout.WindowBox, layout.FrameX, layout.FrameY))
            if (Rect pixels = SegmentPixels(groove); !pixels.empty())
                area.push_back(pixels);
    return area;
}

AloneRects LeftAlone(const CaptionLayout& layout, bool fullRepaint) noexcept
{
    AloneRects alone;
    if (!fullRepaint)
        alone.push_back(CaptionStripExclusion(layout));
    for (const Rect& button : ProtectedButtonRects(layout))
        alone.push_back(button);
    return alone;
}

void DrawLines(const BandPixels& target, const CaptionLineList& lines) noexcept
{
    for (const LineSegment& line : lines) {
        const uint32_t pixel = ((line.color & 0xFF) << 16) | (line.color & 0xFF00) | ((line.color >> 16) & 0xFF);
        const Rect run = SegmentPixels(line);
        for (int32_t y = run.top; y < run.bottom; ++y) {
            const int32_t row = target.bands.rowOf(y);
            if (row < 0)
                continue;
            const int32_t last = run.right < target.width ? run.right : target.width;
            for (int32_t x = run.left > 0 ? run.left : 0; x < last; ++x)
                target.pixels[static_cast<size_t>(row) * static_cast<size_t>(target.width) + static_cast<size_t>(x)] =
                    pixel;
        }
    }
}

} // namespace lume
