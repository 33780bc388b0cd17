#include <gtest/gtest.h>

#include "settings/options_path.h"
#include "ui/application_title.h"

using namespace lume;

TEST(OptionsFilePath, ExtensionReplacedOnCp932Bytes)
{
    EXPECT_EQ(OptionsFilePathFor("C:\\Tools\\LumeLume.exe"), "C:\\Tools\\LumeLume.ini");
    EXPECT_EQ(OptionsFilePathFor("C:\\Tools\\LumeLume.tar.exe"), "C:\\Tools\\LumeLume.tar.ini");
    // A dot in a folder name is no extension of the file.
    EXPECT_EQ(OptionsFilePathFor("C:\\My.Tools\\LumeLume"), "C:\\My.Tools\\LumeLume.ini");
    EXPECT_EQ(OptionsFilePathFor("C:\\Tools\\LumeLume"), "C:\\Tools\\LumeLume.ini");
    EXPECT_EQ(OptionsFilePathFor("C:LumeLume"), "C:LumeLume.ini");
    EXPECT_EQ(OptionsFilePathFor("a.b:c"), "a.b:c.ini");
    EXPECT_EQ(OptionsFilePathFor(""), ".ini");
    // "表" is 0x95 0x5C in cp932: its trail byte is no separator, so the dot
    // before it is still the extension's...
    EXPECT_EQ(OptionsFilePathFor("C:\\Tools\\x.\x95\x5C"), "C:\\Tools\\x.ini");
    // ...and a folder named "表.d" keeps its dot when the file has none.
    EXPECT_EQ(OptionsFilePathFor("C:\\\x95\x5C.d\\LumeLume"), "C:\\\x95\x5C.d\\LumeLume.ini");
    EXPECT_EQ(OptionsFilePathFor("C:\\\x95\x5C\\LumeLume.exe"), "C:\\\x95\x5C\\LumeLume.ini");
    // A trail byte that looks like a dot (0x2E is no trail byte, but 0x81 0x2E
    // is still stepped over as one character).
    EXPECT_EQ(OptionsFilePathFor("C:\\a\x81.exe"), "C:\\a\x81.exe.ini");
    // A lead byte cut off at the end is a byte of its own.
    EXPECT_EQ(OptionsFilePathFor("C:\\a.exe\x95"), "C:\\a.ini");
}

TEST(OptionsFilePath, TheSystemsOwnLeadBytes)
{
    // On code page 1252 "é" (0xE9) is a letter: the "\" after it still
    // separates, where cp932's rule would take it for a trail byte.
    const std::string cafe = "D:\\caf\xe9\\LUMELUME.exe";
    EXPECT_EQ(OptionsFilePathFor("D:\\caf\xe9.d\\LumeLume", IsNeverLeadByte), "D:\\caf\xe9.d\\LumeLume.ini");
    EXPECT_EQ(OptionsFilePathFor(cafe, IsNeverLeadByte), "D:\\caf\xe9\\LUMELUME.ini");
}
