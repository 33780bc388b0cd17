#include <gtest/gtest.h>

#include "settings/option_text.h"

using namespace lume;

TEST(OptionText, Colors)
{
    EXPECT_EQ(ColorFromText("ffffff"), 0x00FFFFFFu);  // lower case, six digits: white
    EXPECT_EQ(ColorFromText("00FFFFFF"), 0x00FFFFFFu);
    EXPECT_EQ(ColorToText(ColorFromText("ffffff")), "00FFFFFF");
    EXPECT_EQ(ColorFromText("00800000"), 0x00000080u);  // red first in the file, red low in memory
    // Malformed or empty: black, not the key's default.
    for (const char* black : {"#FFFFFF", "0xFFFFFF", "", "00FFFFFG", " 00FFFFFF"})
        EXPECT_EQ(ColorFromText(black), 0u) << black;
    // Only the last eight digits count; the top byte is dropped.
    EXPECT_EQ(HexToInt("1200FF0000"), 0x00FF0000u);
    EXPECT_EQ(ColorFromText("1200FF0000"), 0x000000FFu);
    EXPECT_EQ(ColorFromText("FF000080"), 0x00800000u);
    EXPECT_EQ(ColorToText(ColorFromText("FF000080")), "00000080");
    EXPECT_EQ(ColorToText(0xFF123456u), "00563412");
    EXPECT_EQ(SwapRedBlue(0xAABBCCDDu), 0x00DDCCBBu);
}

TEST(OptionText, Integers)
{
    EXPECT_EQ(IntegerOrDefault("0x0C", 11), 12);
    EXPECT_EQ(IntegerOrDefault("0X0c", 11), 12);
    EXPECT_EQ(IntegerOrDefault("$C", 11), 12);
    EXPECT_EQ(IntegerOrDefault("  $c", 11), 12);
    EXPECT_EQ(IntegerOrDefault("-4", 3), -4);
    EXPECT_EQ(IntegerToText(IntegerOrDefault("-4", 3)), "-4");
    EXPECT_EQ(IntegerOrDefault("+7", 3), 7);
    EXPECT_EQ(IntegerOrDefault("  007", 3), 7);
    EXPECT_EQ(IntegerOrDefault("-2147483648", 3), INT32_MIN);
    EXPECT_EQ(IntegerOrDefault("2147483647", 3), INT32_MAX);
    EXPECT_EQ(IntegerOrDefault("$FFFFFFFF", 3), -1);
    EXPECT_EQ(IntegerOrDefault("$000000000001", 3), 1);  // leading zeros are not significant
    // Invalid: the default applies.
    for (const char* invalid : {"12pt", "", " ", "0x", "0x ", "$", "-", "+", "-$C", "$-C", "12 ", "1 2", "0xG",
                                "2147483648", "-2147483649", "99999999999999999999", "$100000000", "1e3",
                                "\xef\xbc\x91"})
        EXPECT_EQ(IntegerOrDefault(invalid, 11), 11) << invalid;
    EXPECT_EQ(IntegerToText(INT32_MIN), "-2147483648");
}

TEST(OptionText, BooleansAndSurfaceWords)
{
    EXPECT_TRUE(BooleanFromText("2"));
    EXPECT_TRUE(BooleanFromText("-1"));
    EXPECT_TRUE(BooleanFromText("$1"));
    EXPECT_FALSE(BooleanFromText("0"));
    EXPECT_FALSE(BooleanFromText("yes"));  // invalid: the default, false
    EXPECT_FALSE(BooleanFromText(""));
    EXPECT_STREQ(BooleanToText(BooleanFromText("2")), "1");
    EXPECT_STREQ(BooleanToText(false), "0");

    EXPECT_EQ(SurfaceFromWord("Texture"), SurfaceKind::Texture);
    EXPECT_EQ(SurfaceFromWord("Default"), SurfaceKind::Default);
    for (const char* gradation : {"Gradation", "texture", "TEXTURE", "default", "", "Texture ", " Texture", "Tex"})
        EXPECT_EQ(SurfaceFromWord(gradation), SurfaceKind::Gradation) << gradation;
    EXPECT_STREQ(SurfaceToWord(SurfaceKind::Gradation), "Gradation");
    EXPECT_STREQ(SurfaceToWord(SurfaceKind::Texture), "Texture");
    EXPECT_STREQ(SurfaceToWord(SurfaceKind::Default), "Default");
    EXPECT_STREQ(SurfaceToWord(static_cast<SurfaceKind>(7)), "Gradation");
}

TEST(OptionText, ComposedWords)
{
    EXPECT_STREQ(ComposedToWord(ComposedFromWord("cLASSIC")), "Classic");
    EXPECT_STREQ(ComposedToWord(ComposedFromWord("leave")), "Leave");
    for (const char* tint : {"Tint", "TINT", "", "Classic ", "Leav", "Off"})
        EXPECT_EQ(ComposedFromWord(tint), ComposedFrames::Tint) << tint;
    EXPECT_STREQ(ComposedToWord(static_cast<ComposedFrames>(9)), "Tint");  // an unknown value is written as Tint
}
