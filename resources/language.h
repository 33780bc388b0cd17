// The language the program's own texts are shown in: Japanese where the
// user's interface language is Japanese, English everywhere else.
#pragma once
#include <cstdint>

namespace lume::texts {

// A column of the text tables; a new language is one more.
enum class Language { Japanese, English };
constexpr int LanguageCount = 2;

// From a Windows language id (GetUserDefaultUILanguage): its primary language decides.
constexpr Language LanguageFor(uint16_t languageId)
{
    constexpr uint16_t PrimaryJapanese = 0x11;
    return (languageId & 0x3FF) == PrimaryJapanese ? Language::Japanese : Language::English;
}

// Japanese until the program sets it at start.
Language CurrentLanguage() noexcept;
void SetLanguage(Language language) noexcept;

} // namespace lume::texts
