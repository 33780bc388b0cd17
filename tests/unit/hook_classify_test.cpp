#include <gtest/gtest.h>

#include "core/win_constants.h"
#include "hooklib/classify.h"
#include "hooklib/hook_protocol.h"

using namespace lume;
using namespace lume::win;

namespace {

constexpr uint32_t Captioned = WsVisible | WsCaption | WsSysMenu;
constexpr HookDecision Nothing{HookAction::Nothing, 0};
constexpr HookDecision Touched{HookAction::PostCaptionTouched, 0};
constexpr HookDecision Changed(uint32_t message) { return {HookAction::PostCaptionChanged, message}; }

TEST(ClassifyHookedMessage, EveryMessageRowOfTheTable)
{
    EXPECT_EQ(ClassifyHookedMessage(Captioned, WmMove, 0), Touched);
    EXPECT_EQ(ClassifyHookedMessage(Captioned, WmSetText, 1), Changed(0x000C));
    EXPECT_EQ(ClassifyHookedMessage(Captioned, WmNcPaint, 0), Changed(0x0085));
    EXPECT_EQ(ClassifyHookedMessage(Captioned, WmNcActivate, 1), Changed(0x0086));
    EXPECT_EQ(ClassifyHookedMessage(Captioned, WmNcLButtonDown, 0), Touched);
    EXPECT_EQ(ClassifyHookedMessage(Captioned, WmNcLButtonUp, 0), Touched);
    EXPECT_EQ(ClassifyHookedMessage(Captioned, WmInitMenu, 0), Changed(0x0116));
    for (uint32_t other : {0x0000u, 0x0001u, 0x0005u, 0x000Fu, 0x0014u, 0x0083u, 0x0087u, 0x00A0u,
                           0x00A3u, 0x0112u, 0x0117u, 0x0400u, 0x0501u, 0x0502u})
        EXPECT_EQ(ClassifyHookedMessage(Captioned, other, HtCaption), Nothing) << other;
    // The hook passes every other message on untouched: none may act.
    for (uint32_t message = 0; message < 0x10000; ++message) {
        if (IsObservedMessage(message))
            continue;
        for (intptr_t result : {HtCaption, HtSysMenu, HtLeft})
            EXPECT_EQ(ClassifyHookedMessage(Captioned, message, result), Nothing) << message;
    }
}

TEST(ClassifyHookedMessage, HitTestResults)
{
    EXPECT_EQ(ClassifyHookedMessage(Captioned, WmNcHitTest, HtCaption), Touched);
    // The system-menu icon is reported as caption to the next hook, and posts nothing.
    EXPECT_EQ(ClassifyHookedMessage(Captioned, WmNcHitTest, HtSysMenu),
              (HookDecision{HookAction::RewriteToCaption, 0}));
    for (intptr_t sizingBorder = 10; sizingBorder <= 17; ++sizingBorder)
        EXPECT_EQ(ClassifyHookedMessage(Captioned, WmNcHitTest, sizingBorder), Touched) << sizingBorder;
    // Client, buttons, plain border (18), errors and anything out of range: nothing.
    for (intptr_t other : {-2, -1, 0, 1, 4, 5, 8, 9, 18, 19, 20, 21, 0x10002})
        EXPECT_EQ(ClassifyHookedMessage(Captioned, WmNcHitTest, other), Nothing) << other;
}

TEST(ClassifyHookedMessage, StyleFilter)
{
    // Either caption bit passes on its own; WsChild is not looked at.
    EXPECT_EQ(ClassifyHookedMessage(WsVisible | WsBorder | WsSysMenu, WmSetText, 0), Changed(0x000C));
    EXPECT_EQ(ClassifyHookedMessage(WsVisible | WsDlgFrame | WsSysMenu, WmMove, 0), Touched);
    EXPECT_EQ(ClassifyHookedMessage(Captioned | WsChild, WmNcActivate, 0), Changed(0x0086));
    EXPECT_EQ(ClassifyHookedMessage(0xFFFFFFFFu & ~WsMinimize, WmSetText, 0), Changed(0x000C));

    // Minimised, hidden, no system menu or no caption bit: nothing, not even for WmSetText,
    // and no hit-test rewrite either.
    for (uint32_t style : {Captioned | WsMinimize, Captioned & ~WsVisible, Captioned & ~WsSysMenu,
                           Captioned & ~WsCaption, 0u, 0xFFFFFFFFu}) {
        EXPECT_EQ(ClassifyHookedMessage(style, WmSetText, 0), Nothing) << std::hex << style;
        EXPECT_EQ(ClassifyHookedMessage(style, WmNcHitTest, HtSysMenu), Nothing) << std::hex << style;
        EXPECT_EQ(ClassifyHookedMessage(style, WmNcHitTest, HtCaption), Nothing) << std::hex << style;
    }
}

TEST(HookProtocol, RecordAndNotificationNumbers)
{
    EXPECT_EQ(UM_CAPTIONCHANGED, 0x0501u);
    EXPECT_EQ(UM_CAPTIONTOUCHED, 0x0502u);
    EXPECT_STREQ(HookShareName, "LUMEHOOK");
    EXPECT_EQ(offsetof(HookShare, MainWnd), 0u);
    EXPECT_EQ(offsetof(HookShare, HookHandle), 4u);
    // 32-bit fields widen back by sign extension.
    EXPECT_EQ(FieldToHandle(0x0001002Au), 0x0001002A);
    EXPECT_EQ(FieldToHandle(0xFFFFFFFEu), -2);
    EXPECT_EQ(HandleToField(static_cast<uintptr_t>(-2)), 0xFFFFFFFEu);
}

// The placement notice for WM_WINDOWPOSCHANGED with these flags, or nothing.
HookDecision Placement(uint32_t style, uint32_t flags)
{
    return ClassifyHookedMessage(style, WmWindowPosChanged, 0, flags);
}
constexpr HookDecision Placed(uint32_t flags) { return {HookAction::PostPlacementChanged, flags}; }

TEST(ClassifyHookedMessage, PlacementOfTopLevelWindowsShownHiddenMovedResizedOrReordered)
{
    const uint32_t popup = WsVisible;  // a menu or a tooltip: no caption, no system menu
    EXPECT_EQ(Placement(popup, SwpShowWindow | SwpNoMove | SwpNoSize | SwpNoZOrder),
              Placed(SwpShowWindow | SwpNoMove | SwpNoSize | SwpNoZOrder));
    EXPECT_EQ(Placement(0, SwpHideWindow | SwpNoMove | SwpNoSize | SwpNoZOrder),
              Placed(SwpHideWindow | SwpNoMove | SwpNoSize | SwpNoZOrder));
    EXPECT_EQ(Placement(popup, SwpNoSize | SwpNoZOrder), Placed(SwpNoSize | SwpNoZOrder));  // moved
    EXPECT_EQ(Placement(popup, SwpNoMove | SwpNoZOrder), Placed(SwpNoMove | SwpNoZOrder));  // resized
    EXPECT_EQ(Placement(popup, SwpNoMove | SwpNoSize), Placed(SwpNoMove | SwpNoSize));      // re-ordered
    EXPECT_EQ(Placement(popup, SwpNoMove | SwpNoSize | SwpNoZOrder), Nothing);  // only its frame redrawn
    EXPECT_EQ(Placement(0, SwpNoSize | SwpNoZOrder), Nothing);                  // hidden, moved: covers nothing
    EXPECT_EQ(Placement(popup | WsChild, SwpHideWindow), Nothing);              // children: their parent repaints
}

} // namespace
