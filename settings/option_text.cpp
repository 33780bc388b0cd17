#include "settings/option_text.h"

#include <cstdio>

namespace lume {

namespace {

int HexDigitValue(char c) noexcept
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool IsDecimalDigit(char c) noexcept { return c >= '0' && c <= '9'; }

char AsciiLower(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameWordAnyCase(std::string_view text, std::string_view word) noexcept
{
    if (text.size() != word.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (AsciiLower(text[i]) != AsciiLower(word[i]))
            return false;
    return true;
}

} // namespace

uint32_t HexToInt(std::string_view text) noexcept
{
    uint32_t value = 0;
    uint32_t weight = 1;
    for (auto c = text.rbegin(); c != text.rend(); ++c) {
        int digit = HexDigitValue(*c);
        if (digit < 0)
            return 0;
        value += static_cast<uint32_t>(digit) * weight;
        weight *= 16;  // wraps to 0 after eight digits: earlier ones weigh nothing
    }
    return value;
}

Color SwapRedBlue(uint32_t value) noexcept
{
    return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

Color ColorFromText(std::string_view text) noexcept { return SwapRedBlue(HexToInt(text)); }

std::string ColorToText(Color color)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(SwapRedBlue(color)));
    return text;
}

std::optional<int32_t> ParseOptionInteger(std::string_view text) noexcept
{
    std::string_view rest = text;
    bool hex = false;
    if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        rest.remove_prefix(2);
        hex = true;
    } else {
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
        if (!rest.empty() && rest.front() == '$') {
            rest.remove_prefix(1);
            hex = true;
        }
    }
    if (rest.empty())
        return std::nullopt;

    if (hex) {
        uint32_t value = 0;
        int significant = 0;
        for (char c : rest) {
            int digit = HexDigitValue(c);
            if (digit < 0)
                return std::nullopt;
            if (significant > 0 || digit != 0)
                ++significant;
            if (significant > 8)
                return std::nullopt;
            value = value * 16 + static_cast<uint32_t>(digit);
        }
        return static_cast<int32_t>(value);
    }

    bool negative = false;
    if (rest.front() == '+' || rest.front() == '-') {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (rest.empty())
        return std::nullopt;
    int64_t magnitude = 0;
    for (char c : rest) {
        if (!IsDecimalDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > int64_t{INT32_MAX} + 1)
            return std::nullopt;
    }
    int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

int32_t IntegerOrDefault(std::string_view text, int32_t fallback) noexcept
{
    return ParseOptionInteger(text).value_or(fallback);
}

std::string IntegerToText(int32_t value) { return std::to_string(value); }

bool BooleanFromText(std::string_view text) noexcept { return IntegerOrDefault(text, 0) != 0; }

const char* BooleanToText(bool value) noexcept { return value ? "1" : "0"; }

SurfaceKind SurfaceFromWord(std::string_view word) noexcept
{
    if (word == "Texture")
        return SurfaceKind::Texture;
    if (word == "Default")
        return SurfaceKind::Default;
    return SurfaceKind::Gradation;
}

const char* SurfaceToWord(SurfaceKind surface) noexcept
{
    switch (surface) {
    case SurfaceKind::Texture:
        return "Texture";
    case SurfaceKind::Default:
        return "Default";
    case SurfaceKind::Gradation:
        break;
    }
    return "Gradation";
}

ComposedFrames ComposedFromWord(std::string_view word) noexcept
{
    for (ComposedFrames composed : {ComposedFrames::Classic, ComposedFrames::Leave})
        if (SameWordAnyCase(word, ComposedToWord(composed)))
            return composed;
    return ComposedFrames::Tint;
}

const char* ComposedToWord(ComposedFrames composed) noexcept
{
    switch (composed) {
    case ComposedFrames::Classic:
        return "Classic";
    case ComposedFrames::Leave:
        return "Leave";
    case ComposedFrames::Tint:
        break;
    }
    return "Tint";
}

} // namespace lume
