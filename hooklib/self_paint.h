// The caption composed and put on in the window's own thread, right after the
// system has drawn its own: so it goes into the window's own copy of its
// pixels, which is what reaches the screen when the thread goes idle and what
// comes back when the window is uncovered.
#pragma once
#include <windows.h>

#include <cstdint>

namespace lume {

// True for the messages after which the system may have drawn the caption anew.
bool IsCaptionRedrawn(UINT message);

// After such a message: paints the window's caption in the look the program
// of main window `owner` publishes, if there is one and this process is not
// left alone.
void PaintOwnCaption(const CWPRETSTRUCT& observed, uint32_t style, uint32_t owner);

// True when the program of main window `owner` leaves this process alone.
bool IsThisProcessLeftAlone(uint32_t owner);

} // namespace lume
