// Reading and writing the whole settings record through profile functions,
// so that the rules run the same with the real INI API and in tests.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "settings/caption_settings.h"
#include "settings/options_keys.h"
#include "ui/font_rules.h"

namespace lume {

// (section, key, default text) -> the key's value text, or the default when missing.
using ProfileReader = std::function<std::string(const char*, const char*, const char*)>;
// (section, key, value text) -> false when the write failed.
using ProfileWriter = std::function<bool(const char*, const char*, const std::string&)>;

// Fills every field, in file order: defaults for missing keys, the text rules'
// fallbacks for malformed ones. Fonts get face, then size, then style.
void ReadOptions(const ProfileReader& read, CaptionSettings& settings, ui::FontSpec& normalFont,
                 ui::FontSpec& toolFont, int32_t pixelsPerInch);

// Writes every key in file order and stops at the first failed write, whose
// key it returns.
std::optional<OptionKey> WriteOptions(const ProfileWriter& write, const CaptionSettings& settings,
                                      const ui::FontSpec& normalFont, const ui::FontSpec& toolFont,
                                      int32_t pixelsPerInch);

} // namespace lume
