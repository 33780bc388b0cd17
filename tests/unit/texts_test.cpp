// The user-facing texts are cp932 bytes equal to iconv's conversion of their
// UTF-8 form.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "tests/common/cp932.h"

#include "resources/option_form.h"
#include "resources/texts.h"

using lume::test::ToCp932;

TEST(Texts, Cp932BytesOfTheNoticeTheErrorAndTheFaces)
{
    EXPECT_EQ(std::string(lume::texts::ProgramCaption), "LumeLume ver. 1.16");
    EXPECT_EQ(std::string(lume::texts::FirstRunNotice),
              ToCp932("　ダウンロードしてくださり、ありがとうございます。\r\n"
                      "　初期データは、ウィンドウズの「画面のプロパティ：デザイン」の設定で、\r\n"
                      "\r\n"
                      "　　タイトルバー：サイズ → 18\r\n"
                      "　　メニュー：サイズ → 18\r\n"
                      "　　色 → (RGB = 96, 0, 0) を基調とする\r\n"
                      "\r\n"
                      "　に最適化されています。「LumeLume」のオプションか画面のプロパティのどちらかを調節してご利用ください。"));
    EXPECT_EQ(std::string(lume::texts::CannotWriteFormat), ToCp932("%s に書き込めません"));
    EXPECT_EQ(std::string(lume::texts::DefaultCaptionFace), ToCp932("ＭＳ Ｐ明朝"));
    EXPECT_EQ(std::string(lume::texts::NewFontFace), ToCp932("ＭＳ Ｐゴシック"));
    EXPECT_EQ(std::string(lume::texts::CannotOpenFileFormat), ToCp932("ﾌｧｲﾙ %s は開けません"));
    EXPECT_EQ(std::string(lume::texts::InvalidBitmap), ToCp932("ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です"));
    EXPECT_EQ(std::string(lume::texts::StreamReadError), ToCp932("ｽﾄﾘｰﾑからの読み込みｴﾗｰ"));
    EXPECT_EQ(std::string(lume::texts::StreamReadError).size(), 22u);  // half-width kana are single bytes
    // The About text: its first line, an empty line, then contact lines each
    // beginning with an ideographic space, CR LF between, none after the last.
    const std::string about = lume::texts::AboutText;
    const std::string head = ToCp932("「LumeLume ver. 1.16」\r\n\r\n");
    ASSERT_EQ(about.substr(0, head.size()), head);
    const std::string ideographicSpace = ToCp932("　");
    for (size_t line = head.size(), next; line != std::string::npos; line = next == std::string::npos ? next : next + 2) {
        next = about.find("\r\n", line);
        EXPECT_EQ(about.substr(line, ideographicSpace.size()), ideographicSpace);
    }
    EXPECT_NE(about.substr(about.size() - 2), "\r\n");
    EXPECT_EQ(std::string(lume::texts::TrayRegistrationFailed), ToCp932("タスクトレイに登録できません"));
    EXPECT_EQ(std::string(lume::texts::IconIdNotPositive), ToCp932("0以下は指定できません"));
    EXPECT_EQ(std::string(lume::texts::IconIdTaken), ToCp932("同じアイコン識別子が有ります"));
    EXPECT_EQ(std::string(lume::texts::NoIconGiven), ToCp932("アイコンが指定されていません"));
    EXPECT_EQ(std::string(lume::texts::HookRecordTaken),
              ToCp932("LUMEHOOK は別のプログラムが使っています。LumeLume は起動できません"));
    EXPECT_EQ(std::string(lume::texts::DefaultCaptionFace), "\x82\x6c\x82\x72\x20\x82\x6f\x96\xbe\x92\xa9");
}

namespace {

using namespace lume::texts;

// Printable ASCII, line breaks and a quote mark: what the English column is written in.
bool IsPlainEnglish(const std::string& text)
{
    for (char c : text)
        if (!((c >= ' ' && c <= '~') || c == '\r' || c == '\n'))
            return false;
    return true;
}

} // namespace

TEST(Texts, EveryTextInBothLanguagesAndTheUsersLanguageChoosesOne)
{
    const Text* all[] = {&FirstRunNotice, &CannotWriteFormat, &CannotOpenFileFormat, &InvalidBitmap,
                         &StreamReadError, &NotInOptionsFile, &AboutText, &FontStyleNone, &FontStyleWords[0],
                         &FontStyleWords[1], &FontStyleWords[2], &FontStyleWords[3], &FontNamePrefix,
                         &FontSizePrefix, &FontStylePrefix, &TextureFilter, &TrayRegistrationFailed,
                         &IconIdNotPositive, &IconIdTaken, &NoIconGiven, &OptionsFileUnnamed, &HookRecordTaken,
                         &StartWithWindowsUnchanged};
    for (const Text* text : all) {
        const std::string japanese = text->in(Language::Japanese), english = text->in(Language::English);
        EXPECT_FALSE(english.empty());
        EXPECT_NE(english, japanese);
        EXPECT_TRUE(IsPlainEnglish(english)) << english;
        EXPECT_EQ(english.find("%s") != std::string::npos, japanese.find("%s") != std::string::npos) << english;
    }
    EXPECT_EQ(std::string(NotInOptionsFile.in(Language::Japanese)),
              ToCp932("オプションファイルに保存できない文字が含まれています。元の設定のままにします"));
    EXPECT_EQ(std::string(TextureFilter.in(Language::English)), "Bitmap files (*.bmp)|*.bmp");

    EXPECT_EQ(LanguageFor(0x0411), Language::Japanese);
    EXPECT_EQ(LanguageFor(0x0409), Language::English);
    EXPECT_EQ(LanguageFor(0x0419), Language::English) << "Russian reads English";
    EXPECT_EQ(LanguageFor(0x0809), Language::English);
    EXPECT_EQ(CurrentLanguage(), Language::Japanese) << "until the program sets it";
    SetLanguage(Language::English);
    EXPECT_EQ(std::string(InvalidBitmap), "The bitmap image is not valid");
    EXPECT_TRUE(std::string("Cannot write to %s") == CannotWriteFormat);
    SetLanguage(Language::Japanese);
    EXPECT_EQ(std::string(InvalidBitmap), ToCp932("ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です"));
}

TEST(Texts, TheOptionDialogInBothLanguagesHasOneLayout)
{
    const lume::OptionFormDescription japanese = lume::OptionForm();
    SetLanguage(Language::English);
    const lume::OptionFormDescription english = lume::OptionForm();
    SetLanguage(Language::Japanese);
    EXPECT_EQ(japanese.pageTitles, (std::vector<std::string>{ToCp932("アクティブ"), ToCp932("非アクティブ"),
                                                             ToCp932("ア・非共通"), ToCp932("その他"),
                                                             ToCp932("除外"), ToCp932("合成")}));
    EXPECT_EQ(japanese.fontFace, ToCp932("ＭＳ Ｐ明朝"));
    EXPECT_EQ(english.pageTitles, (std::vector<std::string>{"Active", "Inactive", "Common", "Other", "Exclude",
                                                           "Composition"}));
    ASSERT_EQ(english.controls.size(), japanese.controls.size());
    for (size_t i = 0; i < english.controls.size(); ++i) {
        const lume::ControlRecord &e = english.controls[i], &j = japanese.controls[i];
        EXPECT_EQ(std::tie(e.name, e.kind, e.page, e.group, e.x, e.y, e.width, e.height, e.enabled, e.visible),
                  std::tie(j.name, j.kind, j.page, j.group, j.x, j.y, j.width, j.height, j.enabled, j.visible));
        EXPECT_TRUE(IsPlainEnglish(e.text)) << e.name << ": " << e.text;
        EXPECT_EQ(e.text.empty(), j.text.empty()) << e.name;
        EXPECT_EQ(std::count(e.text.begin(), e.text.end(), '\n'), std::count(j.text.begin(), j.text.end(), '\n'))
            << e.name;
    }
    EXPECT_EQ(japanese.controls[1].text, ToCp932("表面\nグラデーション\nテクスチャ\nWindows デフォルト"));
}
