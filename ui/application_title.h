// The application's title: the program file's name without folder and
// extension, every character after the first in lower case.
#pragma once
#include <string>
#include <string_view>

namespace lume {

std::string ApplicationTitleFor(std::string_view programPath);

} // namespace lume
