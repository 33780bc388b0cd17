// Published captions put on a window by the hook, in the window's own thread:
// so they go into the window's own copy of its pixels, which is what reaches
// the screen when the thread goes idle and what comes back when the window is
// uncovered.
#pragma once
#include <windows.h>

#include <cstdint>

namespace lume {

// True for the messages after which the system may have drawn the caption anew.
bool IsCaptionRedrawn(UINT message);

// After such a message: puts the caption that `owner` published for the
// window in its present look, size, styles and title, if there is one.
void PutPublishedCaption(const CWPRETSTRUCT& observed, uint32_t style, uint32_t owner);

// True when `owner` leaves this process alone.
bool IsThisProcessLeftAlone(uint32_t owner);

// The view kept between calls, given back when the library leaves the process.
void ReleasePublishedView();

} // namespace lume
