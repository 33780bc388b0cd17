#include "compose/caption_layout.h"

#include "core/win_constants.h"

namespace lume {

using namespace win;

namespace {

// Where the title ends: before the leftmost button the paint keeps.
int32_t TextLimitX(const CaptionLayout& layout) noexcept
{
    if (!layout.ProtectCloseButton)
        return layout.CaptionRect.right - 2;
    if (!layout.ProtectOtherButtons)
        return layout.CloseButtonRect.left;
    if (layout.MinButtonShown || layout.MaxButtonShown)
        return layout.MinButtonRect.left;
    if (layout.HelpButtonShown)
        return layout.MaxButtonRect.left;
    return layout.CloseButtonRect.left;
}

} // namespace

CaptionMetrics CaptionMetricsFrom(const SystemFrameMetrics& system) noexcept
{
    CaptionMetrics metrics;
    metrics.SizingFrameX = system.cxFrame;
    metrics.SizingFrameY = system.cyFrame;
    metrics.FixedFrameX = system.cxDlgFrame;
    metrics.FixedFrameY = system.cyDlgFrame;
    // Button widths follow the caption height, not SM_CXSIZE.
    metrics.NormalCaptionHeight = system.cyCaption - 1;
    metrics.NormalButtonWidth = system.cyCaption - 3;
    metrics.NormalButtonHeight = system.cyCaption - 5;
    metrics.ToolCaptionHeight = system.cySmCaption - 1;
    if (system.dpi == 96) {
        // A fixed 13 x 13 box, 2 pixels in from the caption's top and right.
        metrics.ToolButtonWidth = metrics.ToolButtonHeight = 13;
        metrics.ToolButtonInsetX = 2 + 13;
        metrics.ToolButtonInsetY = 2;
    } else {
        // At other DPIs the system's 11 x 11 box, which does not grow with the
        // DPI, centred in the small caption's height at its right end.
        metrics.ToolButtonWidth = metrics.ToolButtonHeight = 11;
        metrics.ToolButtonInsetX = (system.cySmCaption + 12) / 2;
        metrics.ToolButtonInsetY = (system.cySmCaption - 12) / 2;
    }
    return metrics;
}

CaptionLayout LayoutCaption(int32_t width, int32_t height, uint32_t style, uint32_t exStyle,
                            const CaptionMetrics& metrics, const CommonSettings& common, TextColours colours,
                            bool isActive) noexcept
{
    CaptionLayout layout;
    layout.WindowBox = {0, 0, width - 1, height - 1};
    layout.Style = style;
    layout.ExStyle = exStyle;

    layout.ProtectCloseButton = !common.NoCloseButton;
    layout.ProtectOtherButtons = layout.ProtectCloseButton && !common.NoButtons;
    layout.MinButtonShown = (style & WsMinimizeBox) && layout.ProtectOtherButtons;
    layout.MaxButtonShown = (style & WsMaximizeBox) && layout.ProtectOtherButtons;
    layout.HelpButtonShown = (exStyle & WsExContextHelp) && layout.ProtectOtherButtons;

    // No other border style is looked at: without a sizing frame, the fixed one.
    bool sizing = (style & WsThickFrame) != 0;
    layout.FrameX = sizing ? metrics.SizingFrameX : metrics.FixedFrameX;
    layout.FrameY = sizing ? metrics.SizingFrameY : metrics.FixedFrameY;

    const bool tool = (exStyle & WsExToolWindow) != 0;
    if (tool) {
        layout.ButtonWidth = metrics.ToolButtonWidth;
        layout.ButtonHeight = metrics.ToolButtonHeight;
        layout.CaptionHeight = metrics.ToolCaptionHeight;
        layout.CaptionFont = CaptionFontKind::Tool;
        layout.TextXShift = common.ToolXShift;
        layout.TextYShift = common.ToolYShift;
    } else {
        layout.ButtonWidth = metrics.NormalButtonWidth;
        layout.ButtonHeight = metrics.NormalButtonHeight;
        layout.CaptionHeight = metrics.NormalCaptionHeight;
        layout.CaptionFont = CaptionFontKind::Normal;
        layout.TextXShift = common.NormalXShift;
        layout.TextYShift = common.NormalYShift;
    }

    const Rect caption{layout.FrameX, layout.FrameY, width - layout.FrameX, layout.FrameY + layout.CaptionHeight};
    layout.CaptionRect = caption;
    const int32_t buttonTop = caption.top + (tool ? metrics.ToolButtonInsetY : 2);
    const int32_t buttonBottom = buttonTop + layout.ButtonHeight;
    const int32_t w = layout.ButtonWidth;
    const int32_t closeLeft = caption.right - (tool ? metrics.ToolButtonInsetX : 2 + w);
    layout.CloseButtonRect = {closeLeft, buttonTop, closeLeft + w, buttonBottom};
    const int32_t maxLeft = layout.CloseButtonRect.left - w - 2;
    layout.MaxButtonRect = {maxLeft, buttonTop, maxLeft + w, buttonBottom};
    layout.MinButtonRect = {maxLeft - w, buttonTop, maxLeft, buttonBottom};

    layout.TextLimitX = TextLimitX(layout);
    if (style & (WsMinimizeBox | WsMaximizeBox))
        layout.ButtonAreaX = layout.MinButtonRect.left;
    else if (exStyle & WsExContextHelp)
        layout.ButtonAreaX = layout.MaxButtonRect.left;
    else
        layout.ButtonAreaX = layout.CloseButtonRect.left;

    layout.IsActive = isActive;
    layout.LetterColour = colours.Letter;
    layout.ShadowColour = colours.Shadow;
    return layout;
}

} // namespace lume
