// What a painted caption consists of, as plain values: gradient colours,
// texture tiles, the stripes of the substitute texture, the text's clip and
// origins, the clip exclusions, and the edge and groove lines.
#pragma once
#include <cstdint>

#include "compose/caption_layout.h"
#include "compose/look_rules.h"
#include "core/fixed_list.h"
#include "core/geometry.h"

namespace lume {

constexpr int32_t GradientWidth = 256;
constexpr int32_t GradientHeight = 32;
constexpr int32_t SubstituteTextureSize = 32;

constexpr Color RgbColor(uint8_t red, uint8_t green, uint8_t blue)
{
    return red | (green << 8) | (blue << 16);
}
constexpr Color EdgeWhite = RgbColor(255, 255, 255);
constexpr Color EdgeGrey = RgbColor(128, 128, 128);

// Column i of the gradient bitmap from left to right: each channel is
// floor(L * (256 - i) / 256) + floor(R * i / 256); left itself everywhere when
// the two are equal.
Color GradientColumn(Color left, Color right, int32_t column) noexcept;

// Calls `tile` with each place the texture's tiles go in the caption, anchored
// at its top-left corner; each shows the texture's own top-left (width x
// height) part. Nothing for a texture without pixels.
template <class TileFunction>
void ForEachTextureTile(const Rect& caption, int32_t textureWidth, int32_t textureHeight, TileFunction tile) noexcept
{
    if (textureWidth <= 0 || textureHeight <= 0)
        return;  // would never advance
    for (int64_t x = caption.left; x < caption.right; x += textureWidth) {
        const int64_t x2 = x + textureWidth < caption.right ? x + textureWidth : caption.right;
        for (int64_t y = caption.top; y < caption.bottom; y += textureHeight) {
            const int64_t y2 = y + textureHeight < caption.bottom ? y + textureHeight : caption.bottom;
            tile(Rect{static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(x2),
                      static_cast<int32_t>(y2)});
        }
    }
}

// The built-in olive-and-black stripes, tiling without seams.
Color SubstituteTexturePixel(int32_t x, int32_t y) noexcept;

struct LineSegment {
    Point from;
    Point to;  // not coloured itself
    Color color;
    bool operator==(const LineSegment&) const = default;
};

// The sunken one-pixel edge around the caption: white then grey polylines.
using EdgeLines = FixedList<LineSegment, 4>;
EdgeLines CaptionEdgeLines(const Rect& caption) noexcept;

// The 16 etched lines across a sizing frame where its corner segments end.
using GrooveLines = FixedList<LineSegment, 16>;
GrooveLines SizingGrooveLines(int32_t captionBottom, const Rect& windowBox, int32_t frameX, int32_t frameY) noexcept;

// The text's clip rectangle and the top-left corners of shadow and letters.
Rect CaptionTextClip(const CaptionLayout& layout) noexcept;
Point CaptionShadowOrigin(const CaptionLayout& layout, int32_t shadowShift) noexcept;
Point CaptionLetterOrigin(const CaptionLayout& layout) noexcept;

// The caption part left of the buttons, left alone by a button-strip repaint.
Rect CaptionStripExclusion(const CaptionLayout& layout) noexcept;
// The system buttons the painter must not touch, in the order they are excluded.
using ButtonRects = FixedList<Rect, 3>;
ButtonRects ProtectedButtonRects(const CaptionLayout& layout) noexcept;

} // namespace lume
