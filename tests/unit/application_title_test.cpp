#include <gtest/gtest.h>

#include "ui/application_title.h"

using namespace lume;

TEST(ApplicationTitle, FromTheWidePathOnEverySystem)
{
    EXPECT_EQ(ApplicationTitleFor(u"D:\\café\\LUMELUME.exe"), u"Lumelume");
    EXPECT_EQ(ApplicationTitleFor(u"D:\\Игры\\GAME.exe"), u"Game");
    EXPECT_EQ(ApplicationTitleFor(u"C:\\Tools\\LumeLume.exe"), u"Lumelume");
    EXPECT_EQ(ApplicationTitleFor(u"C:\\My.Tools\\ABC"), u"Abc");
    EXPECT_EQ(ApplicationTitleFor(u"C:\\x\\アXY.exe"), u"アxy");
    EXPECT_EQ(ApplicationTitleFor(u"C:\\表\\한국어.d\\ÉCOLE.exe"), u"École");
}
