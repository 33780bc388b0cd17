// "Start with Windows": the program's quoted path as the value "LumeLume" of
// the user's Run key, which the shell starts at logon.
#pragma once

namespace lume {

// Whether the value stands there now, whatever it holds.
bool StartsWithWindows();

// Writes the program's quoted path there, or removes the value; nothing is
// touched when the registry already says so. A value that cannot be written
// or removed raises UserError(texts::StartWithWindowsUnchanged).
void SetStartWithWindows(bool start);

} // namespace lume
