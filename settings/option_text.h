// The text forms of the options file's values: colours, integers, booleans,
// surface words, what is done with composed frames. Malformed text never leaves a value unset.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/caption_settings.h"

namespace lume {

// Hex digits read from the last to the first; digits before the last eight
// weigh nothing; any other character makes the whole value 0.
uint32_t HexToInt(std::string_view text) noexcept;
Color SwapRedBlue(uint32_t value) noexcept;
// Options-file colours read red first ("00RRGGBB"); malformed or empty: black.
Color ColorFromText(std::string_view text) noexcept;
std::string ColorToText(Color color);

// "[spaces][+|-]decimal" or "[spaces]$hex" (with "0x"/"0X" read as "$"), in
// the signed 32-bit range, at most eight significant hex digits; else none.
std::optional<int32_t> ParseOptionInteger(std::string_view text) noexcept;
int32_t IntegerOrDefault(std::string_view text, int32_t fallback) noexcept;
std::string IntegerToText(int32_t value);

// Read as an integer with the default 0; any non-zero value is true.
bool BooleanFromText(std::string_view text) noexcept;
const char* BooleanToText(bool value) noexcept;

// "Texture" and "Default", compared whole and with case; anything else is Gradation.
SurfaceKind SurfaceFromWord(std::string_view word) noexcept;
const char* SurfaceToWord(SurfaceKind surface) noexcept;

// "Tint", "Classic" and "Leave", compared whole, ASCII letters without regard
// to case; anything else is Tint.
ComposedFrames ComposedFromWord(std::string_view word) noexcept;
const char* ComposedToWord(ComposedFrames composed) noexcept;

} // namespace lume
