// Every text the system shows, as cp932 bytes (this module alone is compiled
// with -fexec-charset=CP932, so its source stays readable UTF-8).
#pragma once

namespace lume::texts {

extern const char* const ProgramCaption;      // "LumeLume ver. 1.16"
extern const char* const FirstRunNotice;      // the eight lines shown when no options file exists
extern const char* const CannotWriteFormat;   // "%s に書き込めません"
extern const char* const DefaultCaptionFace;  // the options' default caption face
extern const char* const NewFontFace;         // the face of a newly created font object

// Texture files that cannot be read.
extern const char* const CannotOpenFileFormat;  // "ﾌｧｲﾙ %s は開けません"
extern const char* const InvalidBitmap;         // "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です"
extern const char* const StreamReadError;       // "ｽﾄﾘｰﾑからの読み込みｴﾗｰ"

// The About box: "「LumeLume ver. 1.16」", an empty line, contact lines.
extern const char* const AboutText;

// The options dialog's font labels and file filter.
extern const char* const FontStyleNone;       // "なし"
extern const char* const FontStyleWords[4];   // bold, italic, underline, strike-out
extern const char* const FontNamePrefix;      // "フォント名： "
extern const char* const FontSizePrefix;      // "サイズ： "
extern const char* const FontStylePrefix;     // "スタイル： "
extern const char* const TextureFilter;       // "画像ファイル (*.bmp)|*.bmp"

// The tray component's errors.
extern const char* const TrayRegistrationFailed;  // "タスクトレイに登録できません"
extern const char* const IconIdNotPositive;       // "0以下は指定できません"
extern const char* const IconIdTaken;             // "同じアイコン識別子が有ります"
extern const char* const NoIconGiven;             // "アイコンが指定されていません"

} // namespace lume::texts
