// The caption composed and put on in the window's own thread, right after the
// system has drawn its own: so it goes into the window's own copy of its
// pixels, which is what reaches the screen when the thread goes idle and what
// comes back when the window is uncovered.
#pragma once
#include <windows.h>

#include <cstdint>

namespace lume {

// After a message after which the system may have drawn the caption anew:
// paints the window's caption in the look the program of main window `owner`
// publishes, if there is one and this process is not left alone.
// `ownerSeen`: a post to the main window has just found it there.
void PaintOwnCaption(const CWPRETSTRUCT& observed, uint32_t style, uint32_t owner, bool ownerSeen);

// After WM_CREATE of a captioned window, before it is first shown: the look
// taken and everything its first paint needs made ready, so that the paint
// comes in time in a new process too.
void PrepareOwnCaption(const CWPRETSTRUCT& created, uint32_t style, uint32_t owner);

// True when the program of main window `owner` leaves this process alone.
bool IsThisProcessLeftAlone(uint32_t owner);

} // namespace lume
