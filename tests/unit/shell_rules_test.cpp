#include <gtest/gtest.h>

#include "core/window_filter.h"
#include "ui/tray_dispatch.h"
#include "ui/tray_icon_list.h"
#include "ui/tray_tip.h"
#include "core/win_constants.h"
#include "ui/application_title.h"

using namespace lume;
using namespace lume::ui;
using namespace lume::win;

TEST(ShellRules, SweepFilters)
{
    constexpr uint32_t Captioned = WsVisible | WsCaption | WsSysMenu;
    EXPECT_TRUE(IsSweepCandidate(Captioned | WsMinimize));  // minimised windows too
    EXPECT_TRUE(IsSweepCandidate(WsVisible | WsBorder | WsSysMenu));
    EXPECT_FALSE(IsSweepCandidate(WsVisible | WsCaption));
    EXPECT_FALSE(IsSweepCandidate(Captioned | WsChild));
    EXPECT_FALSE(IsSweepCandidate(Captioned & ~WsVisible));
    // Descendants: a caption bit and a system menu, visible or not, child or not.
    EXPECT_TRUE(IsSweptDescendant(WsDlgFrame | WsSysMenu | WsChild));
    EXPECT_FALSE(IsSweptDescendant(WsVisible | WsCaption | WsChild));
}

TEST(ShellRules, TrayIconIds)
{
    int a, b, c, d;
    TrayIconList<int> list;
    EXPECT_EQ(list.nextId(), 1);
    list.append(list.nextId(), &a);
    EXPECT_EQ(list.nextId(), 2);
    list.append(2, &b);
    list.find(2)->id = "5";  // the second's ID set to 5: the next is 6
    EXPECT_EQ(list.nextId(), 6);
    list.find(5)->id = "2";
    list.find(1)->id = "3";  // the first's set to 3 instead: the last entry is "2", so 3 again
    EXPECT_EQ(list.nextId(), 3);
    list.append(3, &c);
    ASSERT_EQ(list.entries().size(), 3u);
    EXPECT_EQ(list.find(3)->component, &a);  // two "3" entries: the first is found
    list.removeFirst(3);
    EXPECT_EQ(list.find(3)->component, &c);
    EXPECT_EQ(list.find(7), nullptr);
    (void)d;
}

TEST(ShellRules, TrayMouseMessages)
{
    EXPECT_EQ(ClassifyTrayMessage(0x0204), (TrayMouseEvent{TrayMouseCall::MouseDown, MouseButton::Right, ShiftRight}));
    EXPECT_EQ(ClassifyTrayMessage(0x0201), (TrayMouseEvent{TrayMouseCall::MouseDown, MouseButton::Left, ShiftLeft}));
    EXPECT_EQ(ClassifyTrayMessage(0x0208), (TrayMouseEvent{TrayMouseCall::MouseUp, MouseButton::Middle, ShiftMiddle}));
    EXPECT_EQ(ClassifyTrayMessage(0x0206), (TrayMouseEvent{TrayMouseCall::DblClick, MouseButton::Right, 0}));
    EXPECT_EQ(ClassifyTrayMessage(0x0200).call, TrayMouseCall::MouseMove);
    for (uint32_t nothing : {0x0209u, 0x01FFu, 0x020Au, 0u, 0x0400u})
        EXPECT_EQ(ClassifyTrayMessage(nothing).call, TrayMouseCall::None) << nothing;
}

TEST(ShellRules, TipAndTitleTexts)
{
    EXPECT_EQ(TrayTipText("LumeLume"), "LumeLume");
    EXPECT_EQ(TrayTipText(std::string(70, 'a')), std::string(63, 'a'));
    // 62 single bytes then a double-byte character: it would need bytes 63 and 64.
    EXPECT_EQ(TrayTipText(std::string(62, 'a') + "\x82\xa0"), std::string(62, 'a'));
    EXPECT_EQ(TrayTipText(std::string(61, 'a') + "\x82\xa0" + "b"), std::string(61, 'a') + "\x82\xa0");

    EXPECT_EQ(ApplicationTitleFor(u"C:\\Tools\\LumeLume.exe"), u"Lumelume");
    EXPECT_EQ(ApplicationTitleFor(u"C:\\My.Tools\\ABC"), u"Abc");
    EXPECT_EQ(ApplicationTitleFor(u"C:\\x\\アXY.exe"), u"アxy");
}
