// Where the window manager draws a window's frame itself (desktop
// composition), over whatever the hook paints there: the frame takes the
// look's colours, or is turned off and painted, or is left alone, as the
// program's choice says. Everything is asked and told in the window's own
// thread; dwmapi is loaded at the first need, never at the library's load,
// and never while the choice is to leave composed frames alone.
#pragma once
#include <windows.h>

#include "publish/published_look.h"

namespace lume {

// Brings the window's frame in line with `look`, the look of the program of
// main window `owner`, whose `active` look the frame shows. True when the
// window manager draws the frame and the caption must not be painted.
bool SettleComposedFrame(HWND window, uint32_t style, const LookCopy& look, bool active, uint32_t owner) noexcept;

// The window manager may have begun or ceased to draw the window's frame:
// asked again at its next paint.
void ForgetFrameRendering(HWND window) noexcept;

// Gives the window manager back what the hook changed in the window's frame.
void UndoComposedFrame(HWND window) noexcept;

// The program of main window `owner` is leaving: the window's frame given
// back, and no frame of this process changed again for that program.
void GiveBackFrame(HWND window, uint32_t owner) noexcept;

// The message the program sends each changed window before it unhooks.
UINT UndoFrameMessage() noexcept;

} // namespace lume
