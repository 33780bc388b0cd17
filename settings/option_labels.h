// The options dialog's texts that are rules: the font labels, the file
// filter in the form the file dialog wants, and how a spin edit reads.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace lume {

// The words of the set style bits, in order, joined by "/"; "なし" for none.
std::string FontStyleText(uint8_t style);
std::string FontNameLabel(std::string_view face);
std::string FontSizeLabel(int32_t points);
std::string FontStyleLabel(uint8_t style);

// "画像ファイル (*.bmp)|*.bmp" with each "|" a zero byte, ending in two.
std::string FileDialogFilter(std::string_view filter);

// A spin edit's value: its text as a signed 32-bit decimal, 0 when it is not one.
int32_t SpinEditValue(std::string_view text) noexcept;
// Whether a typed UTF-16 unit may enter a spin edit: digits, signs, the
// decimal separator, and control characters other than Enter. The whole unit
// counts: "中" (U+4E2D) is no "-" (0x2D).
bool SpinEditAccepts(char16_t typed) noexcept;

} // namespace lume
