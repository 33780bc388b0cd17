// The user-facing texts are cp932 bytes equal to iconv's conversion of their
// UTF-8 form.
#include <gtest/gtest.h>

#include <string>

#include "tests/common/cp932.h"

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
    EXPECT_EQ(std::string(lume::texts::DefaultCaptionFace), "\x82\x6c\x82\x72\x20\x82\x6f\x96\xbe\x92\xa9");
}
