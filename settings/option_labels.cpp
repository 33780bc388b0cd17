#include "settings/option_labels.h"

#include "resources/texts.h"
#include "settings/option_text.h"

namespace lume {

std::string FontStyleText(uint8_t style)
{
    std::string text;
    for (int bit = 0; bit < 4; ++bit) {
        if (!(style & (1 << bit)))
            continue;
        if (!text.empty())
            text += "/";
        text += texts::FontStyleWords[bit];
    }
    return text.empty() ? std::string(texts::FontStyleNone) : text;
}

std::string FontNameLabel(std::string_view face) { return std::string(texts::FontNamePrefix).append(face); }

std::string FontSizeLabel(int32_t points) { return std::string(texts::FontSizePrefix) + std::to_string(points); }

std::string FontStyleLabel(uint8_t style) { return std::string(texts::FontStylePrefix) + FontStyleText(style); }

std::string FileDialogFilter(std::string_view filter)
{
    std::string result(filter);
    for (char& c : result)
        if (c == '|')
            c = '\0';
    result.push_back('\0');
    result.push_back('\0');
    return result;
}

int32_t SpinEditValue(std::string_view text) noexcept
{
    // Decimal only: "$" and "0x" are not numbers a user types into a spin edit.
    if (text.find('$') != std::string_view::npos || text.find_first_of("xX") != std::string_view::npos)
        return 0;
    return IntegerOrDefault(text, 0);
}

bool SpinEditAccepts(char16_t c) noexcept
{
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || (c < 0x20 && c != u'\r');
}

} // namespace lume
