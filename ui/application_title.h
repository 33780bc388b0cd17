// The application's title: the program file's name without folder and
// extension, every character after the first in lower case.
#pragma once
#include <string>
#include <string_view>

namespace lume {

// The path is the program's own, in UTF-16 as Windows gives it. Only ASCII
// letters are lowered; any other character stays as it is.
std::u16string ApplicationTitleFor(std::u16string_view programPath);

} // namespace lume
