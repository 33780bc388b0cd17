#include <gtest/gtest.h>

#include <string>

#include "ui/font_rules.h"

using namespace lume::ui;

TEST(FontRules, SizeAndHeightByMulDiv)
{
    EXPECT_EQ(PointsToHeight(9, 96), -12);
    EXPECT_EQ(PointsToHeight(11, 96), -15);  // 14.67 rounds to 15
    EXPECT_EQ(HeightToPoints(-15, 96), 11);  // 11.25 rounds to 11
    EXPECT_EQ(PointsToHeight(11, 120), -18);  // 18.33
    EXPECT_EQ(HeightToPoints(PointsToHeight(11, 120), 120), 11);
    EXPECT_EQ(MulDivRounded(3, 1, 2), 2);    // halves away from zero
    EXPECT_EQ(MulDivRounded(-3, 1, 2), -2);
    EXPECT_EQ(MulDivRounded(3, 1, -2), -2);
    EXPECT_EQ(MulDivRounded(5, 5, 0), -1);
    EXPECT_EQ(MulDivRounded(INT32_MAX, 2, 1), -1);
    EXPECT_EQ(MulDivRounded(INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX);
    EXPECT_EQ(HeightToPoints(5, 0), 1);  // no division by zero
}

TEST(FontRules, FaceNameLimit)
{
    FontSpec font;
    font.face = "Old";
    font.setFace("");
    EXPECT_EQ(font.face, "Old");
    std::string forty(40, 'F');
    font.setFace(forty);
    EXPECT_EQ(font.face, forty.substr(0, 31));
    font.setFace(std::string(31, 'G'));
    EXPECT_EQ(font.face.size(), 31u);
}
