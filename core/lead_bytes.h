// Where a character of the system's ANSI text starts: double-byte code pages
// (cp932 on a Japanese system) have lead bytes whose next byte, which may be
// "\" or ".", belongs to the same character; single-byte ones have none.
#pragma once

namespace lume {

// Whether a byte starts a double-byte character of a code page.
using LeadByteRule = bool (*)(unsigned char byte) noexcept;

// The rule of code page 932.
bool IsCp932LeadByte(unsigned char byte) noexcept;

// The rule of a single-byte code page (1252, 1251, ...).
bool IsNeverLeadByte(unsigned char byte) noexcept;

} // namespace lume
