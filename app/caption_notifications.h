// The road of a hook notification: one paint for an unbroken run of them,
// and a settle repaint a moment later, when the window's own late screen
// update has landed.
#pragma once
#include <windows.h>

#include <functional>

namespace lume {

// How long after the last notification for a window it is painted once more.
constexpr UINT SettleDelayMs = 30;
// The timer of the settle sweep after start-up; window handles are never this small.
constexpr UINT_PTR SettleSweepTimer = 1;

class CaptionNotifications {
public:
    using Painter = std::function<void(HWND window, bool fullRepaint)>;
    using Sweeper = std::function<void()>;

    // Timers go to `mainWindow`; `settle` false leaves out every settle repaint.
    CaptionNotifications(HWND mainWindow, Painter painter, Sweeper sweeper, bool settle = true)
        : mainWindow_(mainWindow), painter_(std::move(painter)), sweeper_(std::move(sweeper)), settle_(settle)
    {
    }

    // UM_CAPTIONCHANGED or UM_CAPTIONTOUCHED for `target`: paint it, drop the
    // notifications for it queued right behind, re-arm its settle timer.
    void handle(UINT message, HWND target);

    // One sweep more, a moment from now.
    void armSettleSweep();

    // WM_TIMER: false when the timer is not one of these.
    bool handleTimer(UINT_PTR timer);

    unsigned immediatePaints() const { return immediatePaints_; }
    unsigned settlePaints() const { return settlePaints_; }

private:
    static BOOL CALLBACK SettleChildProc(HWND child, LPARAM self);

    HWND mainWindow_;
    Painter painter_;
    Sweeper sweeper_;
    bool settle_;
    MSG peekMsg_{};
    unsigned immediatePaints_ = 0;
    unsigned settlePaints_ = 0;
};

} // namespace lume
