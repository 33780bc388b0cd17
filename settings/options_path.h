// Where the options file lives: the program file's path with its extension
// replaced by ".ini".
#pragma once
#include <string>
#include <string_view>

#include "core/lead_bytes.h"

namespace lume {

// The last "." not followed by a "\" or ":" starts the extension; without
// one, ".ini" is appended. The path is in the system's code page, whose
// lead bytes `isLead` tells: the byte after one is never taken for a
// separator or a dot.
std::string OptionsFilePathFor(std::string_view programPath, LeadByteRule isLead = IsCp932LeadByte);

} // namespace lume
