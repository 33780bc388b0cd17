// Where the options file lives: the program file's path with its extension
// replaced by ".ini".
#pragma once
#include <string>
#include <string_view>

namespace lume {

// True for a lead byte of a cp932 double-byte character.
bool IsCp932LeadByte(unsigned char byte) noexcept;

// The last "." not followed by a "\" or ":" starts the extension; without
// one, ".ini" is appended. The second byte of a cp932 double-byte character
// is never taken for a separator or a dot.
std::string OptionsFilePathFor(std::string_view programPath);

} // namespace lume
