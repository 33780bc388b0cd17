// A caption composed off-screen: the bands of the window it is drawn in, the
// edge and groove lines set pixel by pixel, and what of it reaches the window.
#pragma once
#include <cstdint>

#include "compose/caption_drawing.h"
#include "compose/caption_layout.h"
#include "core/geometry.h"

namespace lume {

// The rows of the window that a paint draws in, in window coordinates: the top
// band from the frame's top to the caption's edge, with the top corners'
// grooves, and, for a sizing frame, the bottom band with the bottom corners'
// grooves (empty otherwise, or when the two would meet: then the top band is
// the whole window). In memory the bottom band lies right below the top one.
struct CompositionBands {
    Rect top;
    Rect bottom;
    int32_t height() const noexcept { return top.height() + bottom.height(); }
    // The memory row of window row y, or -1 when y lies in neither band.
    int32_t rowOf(int32_t y) const noexcept;
};

CompositionBands ComposedBands(const CaptionLayout& layout) noexcept;

// The pixels a line colours, from its first point up to but not including its
// last; lines are horizontal or vertical.
Rect SegmentPixels(const LineSegment& line) noexcept;

// The pixels a paint sets: the caption with its edge, and with a sizing frame
// the grooves. Without `withLines` (the text's font could not be selected) the
// caption alone, as the steps after the text are then left out.
using PaintedRects = FixedList<Rect, 17>;
PaintedRects PaintedArea(const CaptionLayout& layout, bool withLines) noexcept;

// What a paint leaves as it is: for a repaint of the button strip the caption
// left of the buttons, and the protected buttons.
using AloneRects = FixedList<Rect, 4>;
AloneRects LeftAlone(const CaptionLayout& layout, bool fullRepaint) noexcept;

// 32-bit pixels of a top-down bitmap, 0x00RRGGBB, holding the bands.
struct BandPixels {
    uint32_t* pixels;
    int32_t width;  // pixels per row
    CompositionBands bands;
};

// Sets the pixels of each line, in order; what lies outside the bands is left out.
using CaptionLineList = FixedList<LineSegment, 20>;
void DrawLines(const BandPixels& target, const CaptionLineList& lines) noexcept;

// The caption's edge lines, then the grooves with a sizing frame: in the order they are drawn.
CaptionLineList CaptionLines(const CaptionLayout& layout) noexcept;

} // namespace lume
