// The road of a hook notification: one paint for an unbroken run of them, a
// settle repaint a moment later, when the window's own late screen update has
// landed, and a repaint of the captions that another window laid bare.
#pragma once
#include <windows.h>

#include <functional>

#include "fallback/settle_schedule.h"
#include "fallback/uncovered_area.h"

namespace lume {

// How long after the last notification for a window it is painted once more.
constexpr UINT SettleDelayMs = 30;
// How long after a caption was first uncovered it is painted again. Not put
// off by further uncovering, so a caption under a long drag is repainted at
// this pace, and the system has put the uncovered pixels back by then.
constexpr UINT UncoveredDelayMs = 50;
// How long after a settle or uncovered repaint the window is painted once
// more, for a window whose own late screen update landed later still.
constexpr UINT LateSettleDelayMs = 250;
// The main window's two timers: the settle schedule and the settle sweep.
constexpr UINT_PTR SettleTimer = 1;
constexpr UINT_PTR SettleSweepTimer = 2;

class CaptionNotifications {
public:
    using Painter = std::function<void(HWND window, bool fullRepaint)>;
    using Sweeper = std::function<void()>;

    // Timers go to `mainWindow`. `settle` false leaves out the settle
    // repaints and sweep, `uncovered` false the repaints of what another
    // window laid bare (tests only).
    CaptionNotifications(HWND mainWindow, Painter painter, Sweeper sweeper, bool settle = true, bool uncovered = true)
        : mainWindow_(mainWindow), painter_(std::move(painter)), sweeper_(std::move(sweeper)), settle_(settle),
          uncovered_(uncovered)
    {
    }

    // The main window's messages that are this class's: the notifications
    // and its timers. False for any other.
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // No paint from now on, and no timer: the program is ending. The object
    // stays, for a handler on the stack below may still be using it.
    void stop();

    // While the hook paints, its notifications are only for the uncovered
    // area: a window it reaches has its caption painted already.
    void setHookPaints(bool on) { hookPaints_ = on; }

    // One sweep more, a moment from now; it also learns where every window is.
    void armSettleSweep();
    // The rectangle of every visible top-level window, learnt anew.
    void learnWindowPlaces();

    unsigned immediatePaints() const { return immediatePaints_; }
    unsigned settlePaints() const { return settlePaints_; }

private:
    // UM_CAPTIONCHANGED or UM_CAPTIONTOUCHED for `target`: paint it, drop the
    // notifications for it queued right behind, re-arm its settle repaint.
    void captionNotified(UINT message, HWND target);
    // UM_WINDOWPOSCHANGED: remember where `window` now is, and schedule the
    // captions it uncovered.
    void windowPosChanged(HWND window, uint32_t flags);
    void settleDue();
    void paintWithDescendants(HWND window);
    void restartTimer();
    static BOOL CALLBACK LearnPlaceProc(HWND window, LPARAM self);
    static BOOL CALLBACK SettleChildProc(HWND child, LPARAM self);

    HWND mainWindow_;
    Painter painter_;
    Sweeper sweeper_;
    bool settle_;
    bool uncovered_;
    bool stopped_ = false;
    bool hookPaints_ = true;
    MSG peekMsg_{};
    SettleSchedule schedule_;
    WindowPlaces places_;
    unsigned immediatePaints_ = 0;
    unsigned settlePaints_ = 0;
};

} // namespace lume
