// Where a window's caption, its buttons and its text go, derived from cached
// system metrics and the window's size and style bits alone.
#pragma once
#include <cstdint>

#include "compose/look_rules.h"
#include "core/geometry.h"

namespace lume {

struct CaptionMetrics {
    int32_t SizingFrameX = 0;
    int32_t SizingFrameY = 0;
    int32_t FixedFrameX = 0;
    int32_t FixedFrameY = 0;
    int32_t NormalCaptionHeight = 0;
    int32_t NormalButtonWidth = 0;
    int32_t NormalButtonHeight = 0;
    int32_t ToolCaptionHeight = 0;
    int32_t ToolButtonWidth = 0;
    int32_t ToolButtonHeight = 0;
    // Where a tool window's close box starts: this far left of the caption's
    // right edge, and this far below its top.
    int32_t ToolButtonInsetX = 0;
    int32_t ToolButtonInsetY = 0;
    bool operator==(const CaptionMetrics&) const = default;
};

// The system's values behind CaptionMetrics, and the DPI they were read at.
struct SystemFrameMetrics {
    int32_t cxFrame, cyFrame, cxDlgFrame, cyDlgFrame, cyCaption, cySmCaption;
    int32_t dpi = 96;
};

CaptionMetrics CaptionMetricsFrom(const SystemFrameMetrics& system) noexcept;

enum class CaptionFontKind : uint8_t { Normal, Tool };

struct CaptionLayout {
    Rect WindowRect;  // the window's rectangle on the screen
    Rect WindowBox;  // (0, 0, W - 1, H - 1), right and bottom inclusive
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    int32_t FrameX = 0;
    int32_t FrameY = 0;
    int32_t ButtonWidth = 0;
    int32_t ButtonHeight = 0;
    int32_t CaptionHeight = 0;
    Rect CaptionRect;
    Rect CloseButtonRect;
    Rect MaxButtonRect;  // also where the help button is
    Rect MinButtonRect;
    bool ProtectCloseButton = false;
    bool ProtectOtherButtons = false;
    bool MinButtonShown = false;
    bool MaxButtonShown = false;
    bool HelpButtonShown = false;
    int32_t TextLimitX = 0;
    int32_t ButtonAreaX = 0;
    bool IsActive = false;
    CaptionFontKind CaptionFont = CaptionFontKind::Normal;
    int32_t TextXShift = 0;
    int32_t TextYShift = 0;
    Color LetterColour = 0;
    Color ShadowColour = 0;
    bool operator==(const CaptionLayout&) const = default;
};

// Everything of the layout that is arithmetic: from the window's width and
// height, its style bits, the metrics, the rules both looks share, the text
// colours of the window's look and its active state.
CaptionLayout LayoutCaption(int32_t width, int32_t height, uint32_t style, uint32_t exStyle,
                            const CaptionMetrics& metrics, const CommonSettings& common, TextColours colours,
                            bool isActive) noexcept;

// The same from a whole settings record (the program's), its look chosen by `isActive`.
template <class Settings>
CaptionLayout LayoutCaption(int32_t width, int32_t height, uint32_t style, uint32_t exStyle,
                            const CaptionMetrics& metrics, const Settings& settings, bool isActive) noexcept
{
    const auto& look = isActive ? settings.Active : settings.Inactive;
    return LayoutCaption(width, height, style, exStyle, metrics, settings.Common, {look.Letter, look.Shadow},
                         isActive);
}

} // namespace lume
