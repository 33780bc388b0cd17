// The application's title: the program file's name without folder and
// extension, every character after the first in lower case.
#pragma once
#include <string>
#include <string_view>

#include "core/lead_bytes.h"

namespace lume {

// The path is in the system's code page, whose lead bytes `isLead` tells.
std::string ApplicationTitleFor(std::string_view programPath, LeadByteRule isLead = IsCp932LeadByte);

} // namespace lume
