// The user-facing texts are cp932 bytes equal to iconv's conversion of their
// UTF-8 form.
#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

#include "resources/texts.h"

namespace {

std::string ToCp932(const std::string& utf8)
{
    iconv_t convert = iconv_open("CP932", "UTF-8");
    std::string in = utf8, out(utf8.size() * 2 + 16, '\0');
    char* source = in.data();
    char* target = out.data();
    size_t left = in.size(), room = out.size();
    size_t done = iconv(convert, &source, &left, &target, &room);
    iconv_close(convert);
    EXPECT_NE(done, static_cast<size_t>(-1));
    out.resize(out.size() - room);
    return out;
}

} // namespace

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
    EXPECT_EQ(std::string(lume::texts::TrayRegistrationFailed), ToCp932("タスクトレイに登録できません"));
    EXPECT_EQ(std::string(lume::texts::IconIdNotPositive), ToCp932("0以下は指定できません"));
    EXPECT_EQ(std::string(lume::texts::IconIdTaken), ToCp932("同じアイコン識別子が有ります"));
    EXPECT_EQ(std::string(lume::texts::NoIconGiven), ToCp932("アイコンが指定されていません"));
    EXPECT_EQ(std::string(lume::texts::DefaultCaptionFace), "\x82\x6c\x82\x72\x20\x82\x6f\x96\xbe\x92\xa9");
}
