#include "settings/options_io.h"

#include <type_traits>

#include "settings/option_text.h"

namespace lume {

namespace {

bool ReadsWithEmptyDefault(OptionForm form)
{
    return form == OptionForm::Integer || form == OptionForm::Boolean || form == OptionForm::FontSize ||
           form == OptionForm::FontStyle;
}

} // namespace

void ReadOptions(const ProfileReader& read, CaptionSettings& settings, ui::FontSpec& normalFont,
                 ui::FontSpec& toolFont, int32_t pixelsPerInch)
{
    VisitOptionKeys(settings, normalFont, toolFont, [&](const OptionKey& key, auto& field) {
        using Field = std::decay_t<decltype(field)>;
        // Numbers are read with an empty default, so that a missing key and a
        // malformed one both fall back to the key's default value.
        std::string text = read(key.section, key.key, ReadsWithEmptyDefault(key.form) ? "" : key.defaultText);
        int32_t fallback = IntegerOrDefault(key.defaultText, 0);
        if constexpr (std::is_same_v<Field, SurfaceKind>) {
            field = SurfaceFromWord(text);
        } else if constexpr (std::is_same_v<Field, Color>) {
            field = ColorFromText(text);
        } else if constexpr (std::is_same_v<Field, std::string>) {
            field = text;
        } else if constexpr (std::is_same_v<Field, int32_t>) {
            field = IntegerOrDefault(text, fallback);
        } else if constexpr (std::is_same_v<Field, bool>) {
            field = IntegerOrDefault(text, fallback) != 0;
        } else if constexpr (std::is_same_v<Field, ComposedFrames>) {
            field = ComposedFromWord(text);
        } else if constexpr (std::is_same_v<Field, ui::FontSpec>) {
            if (key.form == OptionForm::FontFace)
                field.setFace(text);
            else if (key.form == OptionForm::FontSize)
                field.setSize(IntegerOrDefault(text, fallback), pixelsPerInch);
            else
                field.style = static_cast<uint8_t>(IntegerOrDefault(text, fallback) & 0xFF);
        }
    });
}

std::optional<OptionKey> WriteOptions(const ProfileWriter& write, const CaptionSettings& settings,
                                      const ui::FontSpec& normalFont, const ui::FontSpec& toolFont,
                                      int32_t pixelsPerInch)
{
    std::optional<OptionKey> failed;
    VisitOptionKeys(settings, normalFont, toolFont, [&](const OptionKey& key, const auto& field) {
        if (failed)
            return;  // keys after a failed write are not written
        using Field = std::decay_t<decltype(field)>;
        std::string text;
        if constexpr (std::is_same_v<Field, SurfaceKind>) {
            text = SurfaceToWord(field);
        } else if constexpr (std::is_same_v<Field, Color>) {
            text = ColorToText(field);
        } else if constexpr (std::is_same_v<Field, std::string>) {
            text = field;
        } else if constexpr (std::is_same_v<Field, int32_t>) {
            text = IntegerToText(field);
        } else if constexpr (std::is_same_v<Field, bool>) {
            text = BooleanToText(field);
        } else if constexpr (std::is_same_v<Field, ComposedFrames>) {
            text = ComposedToWord(field);
        } else if constexpr (std::is_same_v<Field, ui::FontSpec>) {
            if (key.form == OptionForm::FontFace)
                text = field.face;
            else if (key.form == OptionForm::FontSize)
                text = IntegerToText(field.size(pixelsPerInch));
            else
                text = IntegerToText(field.style);
        }
        if (!write(key.section, key.key, text))
            failed = key;
    });
    return failed;
}

} // namespace lume
