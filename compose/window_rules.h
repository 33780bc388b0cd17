// Which windows get a caption of ours, and in which look: the rules the hook
// library (painting in the window's thread) and the program (painting from
// outside) share. Pure and runtime-free: the Win32 questions are the caller's.
#pragma once
#include <cstdint>

#include "core/win_constants.h"

namespace lume {

// A window of class "tty" (exactly, case-sensitive) is never painted.
constexpr bool IsNeverPaintedClass(const char* className) noexcept
{
    return className && className[0] == 't' && className[1] == 't' && className[2] == 'y' && className[3] == '\0';
}

// Whether a caption shows its active look, when no message has just told: a
// top-level window (no WS_CHILD) is active when it is the foreground window;
// a child is taken for an MDI child, active when its frame is the foreground
// window and its MDI client names it its active child. Each question is a
// callable returning bool, asked only when the answer depends on it, in this
// order: the MDI client is never asked for a window whose frame is behind.
template <class IsForeground, class IsFrameForeground, class IsClientsActiveChild>
constexpr bool IsCaptionShownActive(uint32_t style, IsForeground isForeground, IsFrameForeground isFrameForeground,
                                    IsClientsActiveChild isClientsActiveChild) noexcept
{
    if (!(style & win::WsChild))
        return isForeground();
    return isFrameForeground() && isClientsActiveChild();
}

} // namespace lume
