// Every text the system shows, as cp932 bytes (this module alone is compiled
// with -fexec-charset=CP932, so its source stays readable UTF-8), each in
// every language side by side. Where they meet Windows they are converted
// with code page 932, never the system's.
#pragma once
#include <string>

#include "resources/language.h"

namespace lume::texts {

// One text in each language; it reads as the current language's.
struct Text {
    const char* column[LanguageCount];

    const char* in(Language language) const noexcept { return column[static_cast<int>(language)]; }
    const char* get() const noexcept { return in(CurrentLanguage()); }
    operator std::string() const { return get(); }
};
inline bool operator==(const std::string& shown, const Text& text) { return shown == text.get(); }

extern const char* const ProgramCaption;      // "LumeLume ver. 1.16"
extern const Text FirstRunNotice;             // the eight lines shown when no options file exists
extern const Text CannotWriteFormat;          // "%s に書き込めません"
extern const char* const DefaultCaptionFace;  // the options' default caption face
extern const char* const NewFontFace;         // the face of a newly created font object

// Texture files that cannot be read.
extern const Text CannotOpenFileFormat;  // "ﾌｧｲﾙ %s は開けません"
extern const Text InvalidBitmap;         // "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です"
extern const Text StreamReadError;       // "ｽﾄﾘｰﾑからの読み込みｴﾗｰ"

// A face, path or program name that the options file, cp932 text, cannot hold.
extern const Text NotInOptionsFile;
// The program's folder, which names the options file, outside cp932 with no short path.
extern const Text OptionsFileUnnamed;

// "Start with Windows": the registry's Run value could not be written or removed.
extern const Text StartWithWindowsUnchanged;  // "Windows の起動時に実行するかどうかを変更できません"

// Start-up: the hook library's shared record was made by another program.
extern const Text HookRecordTaken;  // "LUMEHOOK は別のプログラムが使っています…"

// The About box: "「LumeLume ver. 1.16」", an empty line, contact lines.
extern const Text AboutText;

// The options dialog's font labels and file filter.
extern const Text FontStyleNone;       // "なし"
extern const Text FontStyleWords[4];   // bold, italic, underline, strike-out
extern const Text FontNamePrefix;      // "フォント名： "
extern const Text FontSizePrefix;      // "サイズ： "
extern const Text FontStylePrefix;     // "スタイル： "
extern const Text TextureFilter;       // "画像ファイル (*.bmp)|*.bmp"

// The tray component's errors.
extern const Text TrayRegistrationFailed;  // "タスクトレイに登録できません"
extern const Text IconIdNotPositive;       // "0以下は指定できません"
extern const Text IconIdTaken;             // "同じアイコン識別子が有ります"
extern const Text NoIconGiven;             // "アイコンが指定されていません"

} // namespace lume::texts
