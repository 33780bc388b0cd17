#include <gtest/gtest.h>

#include <map>

#include "settings/exclusion_list.h"

using namespace lume;

TEST(ExclusionList, NamesMatchWhateverTheCaseTheFolderOrTheBlanks)
{
    EXPECT_EQ(ProgramFileName("  notepad.exe\t"), "notepad.exe");
    EXPECT_EQ(ProgramFileName("C:\\Windows\\System32\\Notepad.EXE"), "Notepad.EXE");
    EXPECT_EQ(ProgramFileName("Z:/usr/bin/ edit.exe "), "edit.exe");
    EXPECT_EQ(ProgramFileName("C:notepad.exe"), "notepad.exe");
    EXPECT_EQ(ProgramFileName(" C:\\Windows\\ "), "");
    // "表" is 0x95 0x5C: its trail byte is no folder separator.
    EXPECT_EQ(ProgramFileName("C:\\\x95\x5C.exe"), "\x95\x5C.exe");
    EXPECT_TRUE(SameProgram("NOTEPAD.EXE", "notepad.exe"));
    EXPECT_FALSE(SameProgram("notepad.exe", "notepad.ex"));
    EXPECT_FALSE(SameProgram("\x82\x60.exe", "\x82\x81.exe")) << "double-byte characters compare exactly";

    ExclusionList list;
    EXPECT_TRUE(list.add(" C:\\Program Files\\Editor\\Edit.exe "));
    EXPECT_FALSE(list.add("edit.EXE")) << "a duplicate adds nothing";
    EXPECT_FALSE(list.add("   ")) << "nor does an empty name";
    EXPECT_TRUE(list.add("notepad.exe"));
    EXPECT_EQ(list.names(), (std::vector<std::string>{"Edit.exe", "notepad.exe"}));
    EXPECT_TRUE(list.contains("EDIT.EXE"));
    EXPECT_FALSE(list.contains("edit"));
    ExclusionList before = list;
    list.remove(0);
    list.remove(7);  // nothing there
    list.add("calc.exe");
    EXPECT_EQ(list.addedSince(before).names(), std::vector<std::string>{"calc.exe"});
}

TEST(ExclusionList, SectionReadInNumberOrderAndWrittenRenumbered)
{
    // Gaps, keys out of order, empty values, duplicates, keys that are no numbers.
    std::map<std::string, std::string> section{{"5", "calc.exe"}, {"1", "notepad.exe"}, {"2", ""},
                                               {"3", "NOTEPAD.EXE"}, {"x", "paint.exe"}, {"07", "zip.exe"},
                                               {"10", "edit.exe"}};
    std::vector<std::string> keys;
    for (const auto& [key, value] : section)
        keys.push_back(key);
    ExclusionList list = ReadExclusions(keys, [&](const std::string& key) { return section[key]; });
    EXPECT_EQ(list.names(), (std::vector<std::string>{"notepad.exe", "calc.exe", "edit.exe"}));

    ExclusionWrites writes = WritesForExclusions(list, keys);
    EXPECT_TRUE(writes.eraseSection) << "whatever the section held goes first";
    EXPECT_EQ(writes.set, (std::vector<std::pair<std::string, std::string>>{
                              {"1", "notepad.exe"}, {"2", "calc.exe"}, {"3", "edit.exe"}}));

    // An empty list: nothing written; a section that was there goes.
    EXPECT_EQ(WritesForExclusions({}, {}), ExclusionWrites{});
    EXPECT_EQ(WritesForExclusions({}, keys), (ExclusionWrites{true, {}}));
    EXPECT_TRUE(ReadExclusions({}, [](const std::string&) { return std::string("x.exe"); }).empty());
}
