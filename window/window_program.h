// Which program a window belongs to, by its file name ("notepad.exe") in
// UTF-16, as the system holds it, and whether the hook paints there: looked up
// once per window and once per process, never at each paint.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace lume {

struct WindowProgram {
    std::u16string fileName;  // empty when it cannot be told
    // The hook paints in its threads: the program's bitness and integrity
    // level, no app container.
    bool reachedByHook = true;
};

// The program that owns the window, or its top-level window for a child.
const WindowProgram& ProgramOf(HWND window);
inline const std::u16string& ProgramFileNameOf(HWND window) { return ProgramOf(window).fileName; }

// The file names of the programs that now show visible captioned top-level
// windows, each once, in the order their windows come.
std::vector<std::u16string> RunningProgramNames();

} // namespace lume
