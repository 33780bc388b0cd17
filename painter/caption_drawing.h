// What a painted caption consists of, as plain values: gradient colours,
// texture tiles, the stripes of the substitute texture, the text's clip and
// origins, the clip exclusions, and the edge and groove lines.
#pragma once
#include <cstdint>
#include <vector>

#include "core/geometry.h"
#include "painter/caption_layout.h"
#include "settings/caption_settings.h"

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

// Where the texture's tiles go in the caption, anchored at its top-left corner;
// each shows the texture's own top-left (width x height) part. Nothing for a
// texture without pixels.
std::vector<Rect> TextureTiles(const Rect& caption, int32_t textureWidth, int32_t textureHeight);

// The built-in olive-and-black stripes, tiling without seams.
Color SubstituteTexturePixel(int32_t x, int32_t y) noexcept;

struct LineSegment {
    Point from;
    Point to;  // not coloured itself
    Color color;
    bool operator==(const LineSegment&) const = default;
};

// The sunken one-pixel edge around the caption: white then grey polylines.
std::vector<LineSegment> CaptionEdgeLines(const Rect& caption);

// The 16 etched lines across a sizing frame where its corner segments end.
std::vector<LineSegment> SizingGrooveLines(int32_t captionBottom, const Rect& windowBox, int32_t frameX,
                                           int32_t frameY);

// The text's clip rectangle and the top-left corners of shadow and letters.
Rect CaptionTextClip(const CaptionLayout& layout) noexcept;
Point CaptionShadowOrigin(const CaptionLayout& layout, int32_t shadowShift) noexcept;
Point CaptionLetterOrigin(const CaptionLayout& layout) noexcept;

// The caption part left of the buttons, left alone by a button-strip repaint.
Rect CaptionStripExclusion(const CaptionLayout& layout) noexcept;
// The system buttons the painter must not touch, in the order they are excluded.
std::vector<Rect> ProtectedButtonRects(const CaptionLayout& layout);

} // namespace lume
