#include "compose/caption_drawing.h"

#include "core/win_constants.h"

namespace lume {

namespace {

uint32_t Channel(Color color, int shift) noexcept { return (color >> shift) & 0xFF; }

} // namespace

Color GradientColumn(Color left, Color right, int32_t column) noexcept
{
    if (left == right)
        return left;  // a uniform bitmap: the formula would lose a step to truncation
    const uint32_t i = static_cast<uint32_t>(column < 0 ? 0 : column > GradientWidth - 1 ? GradientWidth - 1 : column);
    Color result = 0;
    for (int shift : {0, 8, 16}) {
        uint32_t value = Channel(left, shift) * (256 - i) / 256 + Channel(right, shift) * i / 256;
        result |= value << shift;
    }
    return result;
}

Color SubstituteTexturePixel(int32_t x, int32_t y) noexcept
{
    static constexpr uint8_t Olive[32] = {85, 113, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 113, 85,
                                          41, 13,  0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   13,  41};
    uint8_t level = Olive[static_cast<uint32_t>(x + y) % 32];
    return RgbColor(level, level, 0);
}

EdgeLines CaptionEdgeLines(const Rect& caption) noexcept
{
    const int32_t l = caption.left, t = caption.top, r = caption.right, b = caption.bottom;
    return {
        {{l - 1, b}, {r, b}, EdgeWhite},
        {{r, b}, {r, t - 2}, EdgeWhite},
        {{l - 1, b - 1}, {l - 1, t - 1}, EdgeGrey},
        {{l - 1, t - 1}, {r, t - 1}, EdgeGrey},
    };
}

GrooveLines SizingGrooveLines(int32_t a, const Rect& box, int32_t fx, int32_t fy) noexcept
{
    const int32_t br = box.right, bb = box.bottom;
    return {
        {{0, a - 1}, {fx, a - 1}, EdgeGrey},
        {{a - 1, 0}, {a - 1, fy}, EdgeGrey},
        {{br - a - 1, 0}, {br - a - 1, fy}, EdgeGrey},
        {{br - 1, a - 1}, {br - fx, a - 1}, EdgeGrey},
        {{br - 1, bb - a - 1}, {br - fx, bb - a - 1}, EdgeGrey},
        {{br - a - 1, bb - 1}, {br - a - 1, bb - fy}, EdgeGrey},
        {{a - 1, bb - 1}, {a - 1, bb - fy}, EdgeGrey},
        {{0, bb - a - 1}, {fx, bb - a - 1}, EdgeGrey},
        {{1, a}, {fx, a}, EdgeWhite},
        {{a, 1}, {a, fy}, EdgeWhite},
        {{br - a, 1}, {br - a, fy}, EdgeWhite},
        {{br - 1, a}, {br - fx, a}, EdgeWhite},
        {{br - 1, bb - a}, {br - fx, bb - a}, EdgeWhite},
        {{br - a, bb - 1}, {br - a, bb - fy}, EdgeWhite},
        {{a, bb - 1}, {a, bb - fy}, EdgeWhite},
        {{1, bb - a}, {fx, bb - a}, EdgeWhite},
    };
}

Rect CaptionTextClip(const CaptionLayout& layout) noexcept
{
    const Rect& caption = layout.CaptionRect;
    return {caption.left, caption.top, layout.TextLimitX - 3, caption.bottom + 1};
}

Point CaptionShadowOrigin(const CaptionLayout& layout, int32_t shadowShift) noexcept
{
    Point letters = CaptionLetterOrigin(layout);
    return {letters.x + shadowShift, letters.y + shadowShift};
}

Point CaptionLetterOrigin(const CaptionLayout& layout) noexcept
{
    return {layout.CaptionRect.left + layout.TextXShift, layout.CaptionRect.top + layout.TextYShift};
}

Rect CaptionStripExclusion(const CaptionLayout& layout) noexcept
{
    const Rect& caption = layout.CaptionRect;
    return {caption.left, caption.top, layout.ButtonAreaX - 2, caption.bottom};
}

ButtonRects ProtectedButtonRects(const CaptionLayout& layout) noexcept
{
    ButtonRects buttons;
    if (!layout.ProtectCloseButton)
        return buttons;
    buttons.push_back(layout.CloseButtonRect);
    if (!layout.ProtectOtherButtons)
        return buttons;
    if (layout.Style & (win::WsMinimizeBox | win::WsMaximizeBox)) {
        buttons.push_back(layout.MaxButtonRect);
        buttons.push_back(layout.MinButtonRect);
    } else if (layout.ExStyle & win::WsExContextHelp) {
        buttons.push_back(layout.MaxButtonRect);
    }
    return buttons;
}

} // namespace lume
