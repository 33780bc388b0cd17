#include "fallback/caption_notifications.h"

#include <optional>

#include "core/window_filter.h"
#include "fallback/coalescing.h"
#include "window/window_style.h"

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

// Far more top-level windows than a desktop holds.
constexpr size_t MaxKnownPlaces = 4096;

uintptr_t Key(HWND window) { return reinterpret_cast<uintptr_t>(window); }

// Where a top-level window is on the screen, or none when it is hidden or gone.
std::optional<Rect> PlaceOf(HWND window)
{
    RECT place{};
    const uint32_t style = StyleOf(window);
    if (!(style & WS_VISIBLE) || (style & WS_CHILD) || !GetWindowRect(window, &place))
        return std::nullopt;
    return Rect{place.left, place.top, place.right, place.bottom};
}

} // namespace

bool CaptionNotifications::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UM_CAPTIONCHANGED:
    case UM_CAPTIONTOUCHED:
        if (!stopped_)
            captionNotified(message, reinterpret_cast<HWND>(lParam));
        return true;
    case UM_WINDOWPOSCHANGED:
        if (!stopped_)
            windowPosChanged(reinterpret_cast<HWND>(lParam), static_cast<uint32_t>(wParam));
        return true;
    case WM_TIMER:
        if (wParam == SettleSweepTimer) {
            KillTimer(mainWindow_, SettleSweepTimer);
            sweeper_();
            learnWindowPlaces();
            return true;
        }
        if (wParam == SettleTimer) {
            settleDue();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void CaptionNotifications::captionNotified(UINT message, HWND target)
{
    // Only the hook posts these, from the window's own thread, where it has
    // just painted the caption: nothing is left to do here.
    if (hookPaints_)
        return;
    painter_(target, message == UM_CAPTIONCHANGED);
    ++immediatePaints_;
    PostedQueue queue{mainWindow_, peekMsg_};
    DropFollowingNotifications(message, Key(target), queue);
    // Only real windows are scheduled: a forged lParam schedules nothing. The
    // peeking may have let in the session's end, which stops everything.
    if (settle_ && !stopped_ && IsWindow(target)) {
        schedule_.rearm(Key(target), GetTickCount(), SettleDelayMs);
        restartTimer();
    }
}

void CaptionNotifications::windowPosChanged(HWND window, uint32_t flags)
{
    if (!uncovered_)
        return;
    // Later changes of the same window queued right behind: where it is now
    // answers for all of them, and it was re-ordered if any one re-ordered it.
    bool reordered = !(flags & SWP_NOZORDER);
    while (PeekMessageA(&peekMsg_, mainWindow_, UM_WINDOWPOSCHANGED, UM_WINDOWPOSCHANGED, PM_NOREMOVE) &&
           peekMsg_.lParam == reinterpret_cast<LPARAM>(window)) {
        reordered = reordered || !(peekMsg_.wParam & SWP_NOZORDER);
        PeekMessageA(&peekMsg_, mainWindow_, UM_WINDOWPOSCHANGED, UM_WINDOWPOSCHANGED, PM_REMOVE);
    }
    if (stopped_)
        return;  // the session ended while the queue was looked at
    const std::optional<Rect> before = places_.of(Key(window));
    const std::optional<Rect> after = IsWindow(window) ? PlaceOf(window) : std::nullopt;
    places_.set(Key(window), after);
    if (places_.size() > MaxKnownPlaces)
        learnWindowPlaces();  // windows that went without a word, such as a killed program's
    const std::vector<Rect> area = UncoveredArea(before, after, reordered);
    if (area.empty())
        return;
    const uint32_t now = GetTickCount();
    for (uintptr_t key : places_.meeting(area)) {
        HWND met = reinterpret_cast<HWND>(key);
        if (!IsWindow(met))
            places_.set(key, std::nullopt);
        else if (IsSweepCandidate(StyleOf(met)))
            schedule_.armBy(key, now, UncoveredDelayMs);
    }
    restartTimer();
}

void CaptionNotifications::stop()
{
    stopped_ = true;
    KillTimer(mainWindow_, SettleTimer);
    KillTimer(mainWindow_, SettleSweepTimer);
}

void CaptionNotifications::armSettleSweep()
{
    if (settle_)
        SetTimer(mainWindow_, SettleSweepTimer, SettleDelayMs, nullptr);
}

void CaptionNotifications::learnWindowPlaces()
{
    places_.clear();
    EnumWindows(LearnPlaceProc, reinterpret_cast<LPARAM>(this));
}

BOOL CALLBACK CaptionNotifications::LearnPlaceProc(HWND window, LPARAM self)
{
    reinterpret_cast<CaptionNotifications*>(self)->places_.set(Key(window), PlaceOf(window));
    return TRUE;
}

void CaptionNotifications::settleDue()
{
    for (uintptr_t key : schedule_.takeDue(GetTickCount(), LateSettleDelayMs))
        paintWithDescendants(reinterpret_cast<HWND>(key));
    restartTimer();
}

void CaptionNotifications::paintWithDescendants(HWND window)
{
    // A window gone or hidden by now is left alone.
    if (!IsWindow(window) || !IsWindowVisible(window))
        return;
    painter_(window, true);
    ++settlePaints_;
    // A frame repaints its MDI children's captions itself, without a
    // message of theirs for the hook to see.
    EnumChildWindows(window, SettleChildProc, reinterpret_cast<LPARAM>(this));
}

BOOL CALLBACK CaptionNotifications::SettleChildProc(HWND child, LPARAM self)
{
    if (IsSweptDescendant(StyleOf(child)) && IsWindowVisible(child)) {
        auto* notifications = reinterpret_cast<CaptionNotifications*>(self);
        notifications->painter_(child, true);
        ++notifications->settlePaints_;
    }
    return TRUE;
}

void CaptionNotifications::restartTimer()
{
    // One timer for the whole schedule, and none while nothing is pending.
    if (std::optional<uint32_t> next = schedule_.nextIn(GetTickCount()))
        SetTimer(mainWindow_, SettleTimer, *next, nullptr);
    else
        KillTimer(mainWindow_, SettleTimer);
}

} // namespace lume
