// The program file's own path, in UTF-16: the ANSI call gives "?" for
// whatever the system's code page cannot hold.
#pragma once
#include <optional>
#include <string>

namespace lume::ui {

std::wstring ProgramFilePath();

// The same path as cp932 text: the folder by its short path where cp932
// cannot hold it, the file's own name kept as it is while cp932 holds it,
// else the short path of the whole; nothing when neither will do.
std::optional<std::string> ProgramFilePathCp932();

} // namespace lume::ui
