#include "app/caption_notifications.h"

#include <optional>

#include "app/coalescing.h"
#include "app/sweep_filter.h"

namespace lume {

namespace {

// The main window's own queue, looked at through PeekMessageA.
struct PostedQueue {
    HWND window;
    MSG& peeked;
    std::optional<uintptr_t> peek(uint32_t first, uint32_t last)
    {
        if (!PeekMessageA(&peeked, window, first, last, PM_NOREMOVE))
            return std::nullopt;
        return static_cast<uintptr_t>(peeked.lParam);
    }
    void remove(uint32_t first, uint32_t last) { PeekMessageA(&peeked, window, first, last, PM_REMOVE); }
};

} // namespace

void CaptionNotifications::handle(UINT message, HWND target)
{
    painter_(target, message == UM_CAPTIONCHANGED);
    ++immediatePaints_;
    PostedQueue queue{mainWindow_, peekMsg_};
    DropFollowingNotifications(message, reinterpret_cast<uintptr_t>(target), queue);
    // One pending timer per window: setting it again re-arms it.
    if (settle_)
        SetTimer(mainWindow_, reinterpret_cast<UINT_PTR>(target), SettleDelayMs, nullptr);
}

void CaptionNotifications::armSettleSweep()
{
    if (settle_)
        SetTimer(mainWindow_, SettleSweepTimer, SettleDelayMs, nullptr);
}

bool CaptionNotifications::handleTimer(UINT_PTR timer)
{
    if (timer == SettleSweepTimer) {
        KillTimer(mainWindow_, timer);
        sweeper_();
        return true;
    }
    HWND window = reinterpret_cast<HWND>(timer);
    if (!KillTimer(mainWindow_, timer))
        return false;
    // A window gone or hidden by now is left alone; its timer has ended either way.
    if (IsWindow(window) && IsWindowVisible(window)) {
        painter_(window, true);
        ++settlePaints_;
        // A frame repaints its MDI children's captions itself, without a
        // message of theirs for the hook to see.
        EnumChildWindows(window, SettleChildProc, reinterpret_cast<LPARAM>(this));
    }
    return true;
}

BOOL CALLBACK CaptionNotifications::SettleChildProc(HWND child, LPARAM self)
{
    if (IsSweptDescendant(static_cast<uint32_t>(GetWindowLongA(child, GWL_STYLE))) && IsWindowVisible(child)) {
        auto* notifications = reinterpret_cast<CaptionNotifications*>(self);
        notifications->painter_(child, true);
        ++notifications->settlePaints_;
    }
    return TRUE;
}

} // namespace lume
