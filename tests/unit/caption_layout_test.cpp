#include <gtest/gtest.h>

#include "core/win_constants.h"
#include "compose/caption_layout.h"
#include "settings/caption_settings.h"

using namespace lume;
using namespace lume::win;

namespace {

// SM_CXFRAME = SM_CYFRAME = 4, SM_CXDLGFRAME = SM_CYDLGFRAME = 3, SM_CYCAPTION = 19, SM_CYSMCAPTION = 15.
const CaptionMetrics Metrics = CaptionMetricsFrom({4, 4, 3, 3, 19, 15});
constexpr uint32_t Sizable = WsVisible | WsCaption | WsSysMenu | WsThickFrame | WsMinimizeBox | WsMaximizeBox;

CaptionSettings WithButtons(bool noButtons, bool noCloseButton)
{
    CaptionSettings settings;
    settings.Common.NoButtons = noButtons;
    settings.Common.NoCloseButton = noCloseButton;
    settings.Common.NormalXShift = 3;
    settings.Common.NormalYShift = 1;
    settings.Common.ToolXShift = 2;
    settings.Common.ToolYShift = 5;
    settings.Active.Letter = 0x111111;
    settings.Active.Shadow = 0x222222;
    settings.Inactive.Letter = 0x333333;
    settings.Inactive.Shadow = 0x444444;
    return settings;
}

} // namespace

TEST(CaptionLayout, WorkedExampleAndButtonSettings)
{
    EXPECT_EQ(Metrics.NormalButtonWidth, 16);
    EXPECT_EQ(Metrics.NormalButtonHeight, 14);
    EXPECT_EQ(Metrics.ToolButtonWidth, 13);

    CaptionLayout layout = LayoutCaption(400, 300, Sizable, 0, Metrics, WithButtons(false, false), true);
    EXPECT_EQ(layout.WindowBox, (Rect{0, 0, 399, 299}));
    EXPECT_EQ(layout.CaptionRect, (Rect{4, 4, 396, 22}));
    EXPECT_EQ(layout.CloseButtonRect, (Rect{378, 6, 394, 20}));
    EXPECT_EQ(layout.MaxButtonRect, (Rect{360, 6, 376, 20}));
    EXPECT_EQ(layout.MinButtonRect, (Rect{344, 6, 360, 20}));
    EXPECT_EQ(layout.TextLimitX, 344);
    EXPECT_EQ(layout.ButtonAreaX, 344);
    EXPECT_TRUE(layout.ProtectCloseButton && layout.ProtectOtherButtons);
    EXPECT_TRUE(layout.MinButtonShown && layout.MaxButtonShown && !layout.HelpButtonShown);
    EXPECT_EQ(layout.CaptionFont, CaptionFontKind::Normal);
    EXPECT_EQ(layout.TextXShift, 3);
    EXPECT_EQ(layout.LetterColour, 0x111111u);
    EXPECT_EQ(layout.ShadowColour, 0x222222u);

    layout = LayoutCaption(400, 300, Sizable, 0, Metrics, WithButtons(true, false), false);
    EXPECT_EQ(layout.TextLimitX, 378);
    EXPECT_EQ(layout.ButtonAreaX, 344);
    EXPECT_FALSE(layout.ProtectOtherButtons || layout.MinButtonShown);
    EXPECT_EQ(layout.LetterColour, 0x333333u);
    EXPECT_EQ(layout.ShadowColour, 0x444444u);
    for (bool noButtons : {false, true}) {
        layout = LayoutCaption(400, 300, Sizable, 0, Metrics, WithButtons(noButtons, true), true);
        EXPECT_EQ(layout.TextLimitX, 394);
        EXPECT_FALSE(layout.ProtectCloseButton || layout.ProtectOtherButtons);
    }
}

TEST(CaptionLayout, HelpBoxToolWindowAndFrames)
{
    const uint32_t closeOnly = WsVisible | WsCaption | WsSysMenu;
    CaptionLayout layout = LayoutCaption(300, 200, closeOnly, WsExContextHelp, Metrics, WithButtons(false, false), true);
    EXPECT_TRUE(layout.HelpButtonShown);
    EXPECT_EQ(layout.TextLimitX, layout.MaxButtonRect.left);
    EXPECT_EQ(layout.ButtonAreaX, layout.MaxButtonRect.left);
    layout = LayoutCaption(300, 200, closeOnly | WsMinimizeBox, WsExContextHelp, Metrics, WithButtons(false, false), true);
    EXPECT_EQ(layout.TextLimitX, layout.MinButtonRect.left);
    EXPECT_EQ(layout.ButtonAreaX, layout.MinButtonRect.left);
    layout = LayoutCaption(300, 200, closeOnly, 0, Metrics, WithButtons(false, false), true);
    EXPECT_EQ(layout.TextLimitX, layout.CloseButtonRect.left);
    EXPECT_EQ(layout.ButtonAreaX, layout.CloseButtonRect.left);

    // A tool window with a 14-pixel small caption: 13 x 13 buttons 2 px down,
    // ending one pixel below the caption.
    const CaptionMetrics smallCaption = CaptionMetricsFrom({4, 4, 3, 3, 19, 15});
    layout = LayoutCaption(240, 150, closeOnly | WsThickFrame, WsExToolWindow, smallCaption, WithButtons(false, false),
                           false);
    EXPECT_EQ(layout.CaptionHeight, 14);
    EXPECT_EQ(layout.CaptionRect, (Rect{4, 4, 236, 18}));
    EXPECT_EQ(layout.CloseButtonRect, (Rect{221, 6, 234, 19}));
    EXPECT_EQ(layout.CloseButtonRect.bottom, layout.CaptionRect.bottom + 1);
    EXPECT_EQ(layout.CaptionFont, CaptionFontKind::Tool);
    EXPECT_EQ(layout.TextXShift, 2);
    EXPECT_EQ(layout.TextYShift, 5);

    // Dialog frame and no border at all: both the fixed frame.
    for (uint32_t border : {WsDlgFrame | WsBorder, 0u}) {
        layout = LayoutCaption(300, 200, WsVisible | WsSysMenu | border, 0, Metrics, WithButtons(false, false), true);
        EXPECT_EQ(layout.FrameX, 3);
        EXPECT_EQ(layout.CaptionRect, (Rect{3, 3, 297, 21}));
    }
}

TEST(CaptionLayout, CloseBoxesWhereTheSystemDrawsThemAtEachDpi)
{
    // Found in the system's own look under Wine: a sizable window 400 wide and
    // a tool window 300 wide, each with a sizing frame, at 96, 120, 144 and
    // 192 dpi (SM_CXFRAME, SM_CYCAPTION, SM_CYSMCAPTION as the system gives them).
    struct Case {
        SystemFrameMetrics system;
        Rect normalClose, toolClose;
    };
    const Case cases[] = {
        {{4, 4, 3, 3, 19, 16, 96}, {378, 6, 394, 20}, {281, 6, 294, 19}},  // the 13 x 13 box holds the system's 11 x 11
        {{4, 4, 3, 3, 24, 20, 120}, {373, 6, 394, 25}, {280, 8, 291, 19}},
        {{5, 5, 3, 3, 28, 24, 144}, {368, 7, 393, 30}, {277, 11, 288, 22}},
        {{5, 5, 3, 3, 37, 31, 192}, {359, 7, 393, 39}, {274, 14, 285, 25}},
    };
    for (const Case& c : cases) {
        const CaptionMetrics metrics = CaptionMetricsFrom(c.system);
        EXPECT_EQ(LayoutCaption(400, 300, Sizable, 0, metrics, WithButtons(false, false), true).CloseButtonRect,
                  c.normalClose) << c.system.dpi;
        const CaptionLayout tool = LayoutCaption(300, 200, Sizable, WsExToolWindow, metrics, WithButtons(false, false), true);
        EXPECT_EQ(tool.CloseButtonRect, c.toolClose) << c.system.dpi;
        EXPECT_EQ(tool.TextLimitX, tool.MinButtonRect.left) << c.system.dpi;
    }
}
