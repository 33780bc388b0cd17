#include <gtest/gtest.h>

#include "app/tray_tip.h"
#include "ui/application_title.h"

using namespace lume;

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
