// Which program a window belongs to, by its file name ("notepad.exe") in
// UTF-16, as the system holds it: looked up once per window and once per
// process, never at each paint.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace lume {

// The file name of the program that owns the window, or of its top-level
// window for a child; empty when it cannot be told.
const std::u16string& ProgramFileNameOf(HWND window);

// The file names of the programs that now show visible captioned top-level
// windows, each once, in the order their windows come.
std::vector<std::u16string> RunningProgramNames();

} // namespace lume
