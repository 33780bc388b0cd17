#include <gtest/gtest.h>

#include "ui/tray_tip.h"

using namespace lume;
using namespace lume::ui;

TEST(TrayTip, AtMost63BytesNeverHalfACharacter)
{
    EXPECT_EQ(TrayTipText("LumeLume"), "LumeLume");
    EXPECT_EQ(TrayTipText(std::string(70, 'a')), std::string(63, 'a'));
    // 62 single bytes then a double-byte character: it would need bytes 63 and 64.
    EXPECT_EQ(TrayTipText(std::string(62, 'a') + "\x82\xa0"), std::string(62, 'a'));
    EXPECT_EQ(TrayTipText(std::string(61, 'a') + "\x82\xa0" + "b"), std::string(61, 'a') + "\x82\xa0");
}
