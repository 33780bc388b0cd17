#include <gtest/gtest.h>

#include <map>

#include "settings/exclusion_list.h"

using namespace lume;

TEST(ExclusionList, NamesMatchWhateverTheCaseTheFolderOrTheBlanks)
{
    EXPECT_EQ(ProgramFileName(u"  notepad.exe\t"), u"notepad.exe");
    EXPECT_EQ(ProgramFileName(u"C:\\Windows\\System32\\Notepad.EXE"), u"Notepad.EXE");
    EXPECT_EQ(ProgramFileName(u"Z:/usr/bin/ edit.exe "), u"edit.exe");
    EXPECT_EQ(ProgramFileName(u"C:notepad.exe"), u"notepad.exe");
    EXPECT_EQ(ProgramFileName(u" C:\\Windows\\ "), u"");
    // Names are UTF-16: no character of any code page hides a separator.
    EXPECT_EQ(ProgramFileName(u"C:\\表\\表.exe"), u"表.exe");
    EXPECT_EQ(ProgramFileName(u"D:\\café\\game.exe"), u"game.exe");
    EXPECT_EQ(ProgramFileName(u"D:\\Игры\\game.exe"), u"game.exe");
    // A path copied with its quotes.
    EXPECT_EQ(ProgramFileName(u"\"C:\\x\\foo.exe\""), u"foo.exe");
    EXPECT_EQ(ProgramFileName(u" \"foo.exe\" "), u"foo.exe");
    EXPECT_TRUE(SameProgram(u"NOTEPAD.EXE", u"notepad.exe"));
    EXPECT_FALSE(SameProgram(u"notepad.exe", u"notepad.ex"));
    EXPECT_FALSE(SameProgram(u"게임.exe", u"전쟁.exe")) << "names no code page holds stay apart";

    ExclusionList list;
    EXPECT_TRUE(list.add(u" C:\\Program Files\\Editor\\Edit.exe "));
    EXPECT_FALSE(list.add(u"edit.EXE")) << "a duplicate adds nothing";
    EXPECT_FALSE(list.add(u"   ")) << "nor does an empty name";
    EXPECT_TRUE(list.add(u"notepad.exe"));
    EXPECT_EQ(list.names(), (std::vector<std::u16string>{u"Edit.exe", u"notepad.exe"}));
    EXPECT_TRUE(list.contains(u"EDIT.EXE"));
    EXPECT_FALSE(list.contains(u"edit"));
    ExclusionList before = list;
    list.remove(0);
    list.remove(7);  // nothing there
    list.add(u"calc.exe");
    EXPECT_EQ(list.addedSince(before).names(), std::vector<std::u16string>{u"calc.exe"});
}

TEST(ExclusionList, SectionReadInNumberOrderAndWrittenRenumbered)
{
    // Gaps, keys out of order, empty values, duplicates, keys that are no numbers.
    std::map<std::string, std::u16string> section{{"5", u"calc.exe"}, {"1", u"notepad.exe"}, {"2", u""},
                                                  {"3", u"NOTEPAD.EXE"}, {"x", u"paint.exe"}, {"07", u"zip.exe"},
                                                  {"10", u"edit.exe"}};
    std::vector<std::string> keys;
    for (const auto& [key, value] : section)
        keys.push_back(key);
    ExclusionList list = ReadExclusions(keys, [&](const std::string& key) { return section[key]; });
    EXPECT_EQ(list.names(), (std::vector<std::u16string>{u"notepad.exe", u"calc.exe", u"edit.exe"}));

    ExclusionWrites writes = WritesForExclusions(list, keys);
    EXPECT_TRUE(writes.eraseSection) << "whatever the section held goes first";
    EXPECT_EQ(writes.set, (std::vector<std::pair<std::string, std::u16string>>{
                              {"1", u"notepad.exe"}, {"2", u"calc.exe"}, {"3", u"edit.exe"}}));

    // An empty list: nothing written; a section that was there goes.
    EXPECT_EQ(WritesForExclusions({}, {}), ExclusionWrites{});
    EXPECT_EQ(WritesForExclusions({}, keys), (ExclusionWrites{true, {}}));
    EXPECT_TRUE(ReadExclusions({}, [](const std::string&) { return std::u16string(u"x.exe"); }).empty());
}
