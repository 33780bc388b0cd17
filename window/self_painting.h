// Which captions their own windows paint, and asking them to. Where the hook
// runs in a window's thread (a process of the program's bitness and
// integrity level), the window composes its caption there; the program
// paints from outside only the windows of processes the hook does not reach
// and windows that do not answer.
#pragma once
#include <windows.h>

namespace lume {

// True when the window's own thread paints its caption while the hook is in
// place and the look is published.
bool PaintsItsOwnCaption(HWND window);

// Queues a repaint of the window's frame above its client area, for its own
// thread to carry out: the system draws its caption and the hook ours over it.
void AskFrameRepaint(HWND window);

} // namespace lume
