#include "resources/texts.h"

namespace lume::texts {

namespace {

// One per process: chosen once at start from the system's language, read by every text.
Language Current = Language::Japanese;

} // namespace

Language CurrentLanguage() noexcept { return Current; }

void SetLanguage(Language language) noexcept { Current = language; }

const char* const ProgramCaption = "LumeLume ver. 1.16";

const char* const DefaultCaptionFace = "ＭＳ Ｐ明朝";

const char* const NewFontFace = "ＭＳ Ｐゴシック";

// Japanese, then English.

const Text FirstRunNotice{
    "　ダウンロードしてくださり、ありがとうございます。\r\n"
    "　初期データは、ウィンドウズの「画面のプロパティ：デザイン」の設定で、\r\n"
    "\r\n"
    "　　タイトルバー：サイズ → 18\r\n"
    "　　メニュー：サイズ → 18\r\n"
    "　　色 → (RGB = 96, 0, 0) を基調とする\r\n"
    "\r\n"
    "　に最適化されています。「LumeLume」のオプションか画面のプロパティのどちらかを調節してご利用ください。",
    "Thank you for downloading LumeLume.\r\n"
    "Its initial settings are made for these Windows display settings (Appearance):\r\n"
    "\r\n"
    "    Title bar: size 18\r\n"
    "    Menu: size 18\r\n"
    "    Colors: based on RGB 96, 0, 0\r\n"
    "\r\n"
    "Adjust either LumeLume's options or your display settings to suit you."};

const Text CannotWriteFormat{"%s に書き込めません", "Cannot write to %s"};

const Text CannotOpenFileFormat{"ﾌｧｲﾙ %s は開けません", "Cannot open the file %s"};

const Text InvalidBitmap{"ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です", "The bitmap image is not valid"};

const Text StreamReadError{"ｽﾄﾘｰﾑからの読み込みｴﾗｰ", "Error reading from the stream"};

const Text NotInOptionsFile{"オプションファイルに保存できない文字が含まれています。元の設定のままにします",
                            "This contains characters that the options file cannot hold. "
                            "The previous setting is kept"};

const Text OptionsFileUnnamed{"LumeLume のフォルダ名にオプションファイルで使えない文字が含まれています。オプションは読み書きできません",
                              "The name of LumeLume's folder contains characters that the options file cannot hold. "
                              "The options cannot be loaded or saved"};

const Text StartWithWindowsUnchanged{"Windows の起動時に実行するかどうかを変更できません",
                                     "Cannot change whether LumeLume starts with Windows"};

const Text HookRecordTaken{"LUMEHOOK は別のプログラムが使っています。LumeLume は起動できません",
                           "Another program holds LUMEHOOK; LumeLume cannot run"};

const Text AboutText{
    "「LumeLume ver. 1.16」\r\n"
    "\r\n"
    "　LumeLume 開発チーム\r\n"
    "　ご意見・不具合のご報告はプロジェクトの課題一覧までお寄せください。",
    "\"LumeLume ver. 1.16\"\r\n"
    "\r\n"
    "  The LumeLume development team\r\n"
    "  Please send comments and bug reports to the project's issue list."};

const Text FontStyleNone{"なし", "None"};

const Text FontStyleWords[4] = {
    {"ボールド", "Bold"}, {"イタリック", "Italic"}, {"下線", "Underline"}, {"取り消し線", "Strikeout"}};

const Text FontNamePrefix{"フォント名： ", "Font: "};

const Text FontSizePrefix{"サイズ： ", "Size: "};

const Text FontStylePrefix{"スタイル： ", "Style: "};

const Text TextureFilter{"画像ファイル (*.bmp)|*.bmp", "Bitmap files (*.bmp)|*.bmp"};

const Text TrayRegistrationFailed{"タスクトレイに登録できません", "Cannot add the icon to the notification area"};

const Text IconIdNotPositive{"0以下は指定できません", "The icon ID must be greater than 0"};

const Text IconIdTaken{"同じアイコン識別子が有ります", "Another icon has the same ID"};

const Text NoIconGiven{"アイコンが指定されていません", "No icon has been given"};

} // namespace lume::texts
