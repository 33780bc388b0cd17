#include "resources/texts.h"

namespace lume::texts {

const char* const ProgramCaption = "LumeLume ver. 1.16";

const char* const FirstRunNotice =
    "　ダウンロードしてくださり、ありがとうございます。\r\n"
    "　初期データは、ウィンドウズの「画面のプロパティ：デザイン」の設定で、\r\n"
    "\r\n"
    "　　タイトルバー：サイズ → 18\r\n"
    "　　メニュー：サイズ → 18\r\n"
    "　　色 → (RGB = 96, 0, 0) を基調とする\r\n"
    "\r\n"
    "　に最適化されています。「LumeLume」のオプションか画面のプロパティのどちらかを調節してご利用ください。";

const char* const CannotWriteFormat = "%s に書き込めません";

const char* const DefaultCaptionFace = "ＭＳ Ｐ明朝";

const char* const NewFontFace = "ＭＳ Ｐゴシック";

const char* const CannotOpenFileFormat = "ﾌｧｲﾙ %s は開けません";

const char* const InvalidBitmap = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です";

const char* const StreamReadError = "ｽﾄﾘｰﾑからの読み込みｴﾗｰ";

const char* const AboutText =
    "「LumeLume ver. 1.16」\r\n"
    "\r\n"
    "　LumeLume 開発チーム\r\n"
    "　ご意見・不具合のご報告はプロジェクトの課題一覧までお寄せください。";

const char* const FontStyleNone = "なし";

const char* const FontStyleWords[4] = {"ボールド", "イタリック", "下線", "取り消し線"};

const char* const FontNamePrefix = "フォント名： ";

const char* const FontSizePrefix = "サイズ： ";

const char* const FontStylePrefix = "スタイル： ";

const char* const TextureFilter = "画像ファイル (*.bmp)|*.bmp";

const char* const TrayRegistrationFailed = "タスクトレイに登録できません";

const char* const IconIdNotPositive = "0以下は指定できません";

const char* const IconIdTaken = "同じアイコン識別子が有ります";

const char* const NoIconGiven = "アイコンが指定されていません";

} // namespace lume::texts
