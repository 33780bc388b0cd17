#include <gtest/gtest.h>

#include <string>

#include "tests/common/cp932.h"

#include "settings/option_labels.h"
#include "ui/font_rules.h"

using namespace lume;

using lume::test::ToCp932;

TEST(OptionLabels, FontLabelsAndFilter)
{
    EXPECT_EQ(FontStyleText(0), ToCp932("なし"));
    EXPECT_EQ(FontStyleText(ui::FontBold), ToCp932("ボールド"));
    EXPECT_EQ(FontStyleText(ui::FontBold | ui::FontItalic | ui::FontStrikeOut), ToCp932("ボールド/イタリック/取り消し線"));
    EXPECT_EQ(FontStyleText(ui::FontBold | ui::FontUnderline | 0xF0), ToCp932("ボールド/下線"));
    EXPECT_EQ(FontStyleLabel(ui::FontBold | ui::FontUnderline), ToCp932("スタイル： ボールド/下線"));
    EXPECT_EQ(FontStyleLabel(0), ToCp932("スタイル： なし"));
    EXPECT_EQ(FontSizeLabel(11), ToCp932("サイズ： 11"));
    std::string face31(31, 'F');
    EXPECT_EQ(FontNameLabel(face31), ToCp932("フォント名： ") + face31);
    EXPECT_LE(FontNameLabel(face31).size(), 44u);
    EXPECT_EQ(FileDialogFilter(ToCp932("画像ファイル (*.bmp)|*.bmp")),
              ToCp932("画像ファイル (*.bmp)") + std::string(1, '\0') + "*.bmp" + std::string(2, '\0'));
}

TEST(OptionLabels, SpinEdits)
{
    EXPECT_EQ(SpinEditValue("-3"), -3);
    EXPECT_EQ(SpinEditValue("+12"), 12);
    for (const char* zero : {"", "-", "+", ".", "1.5", "abc", "$C", "0x0C", "99999999999"})
        EXPECT_EQ(SpinEditValue(zero), 0) << zero;
    for (char16_t ok : {u'0', u'9', u'+', u'-', u'.', u'\b', u'\x03', u'\x16'})
        EXPECT_TRUE(SpinEditAccepts(ok)) << int(ok);
    // The last four end in the bytes of "-", "0", a control character and "+".
    for (char16_t refused : {u'a', u'Z', u' ', u'$', u'\r', u'/', u'中', u'İ', u'０', u'ī'})
        EXPECT_FALSE(SpinEditAccepts(refused)) << int(refused);
}
