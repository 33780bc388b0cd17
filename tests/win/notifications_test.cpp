// Notifications on a real message queue: coalescing, and the settle repaint's
// timers, with a counting painter in place of the painter.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "fallback/caption_notifications.h"
#include "hooklib/hook_protocol.h"
#include "tests/win/win_test_support.h"
#include "ui/form.h"

namespace {

using namespace lume;

struct Paint {
    HWND window;
    bool full;
    bool operator==(const Paint&) const = default;
};

class TestMainWindow : public ui::Form {
public:
    // Where captions are painted from here: a window the hook does not reach.
    explicit TestMainWindow(bool settle)
    {
        createWindow("LumeNotificationsTest", "", WS_POPUP, 0, nullptr);
        notifications = std::make_unique<CaptionNotifications>(
            handle(), [this](HWND window, bool full) { paints.push_back({window, full}); }, [this] { ++sweeps; },
            settle);
        notifications->setHookPaints(false);
    }
    std::unique_ptr<CaptionNotifications> notifications;
    std::vector<Paint> paints;
    int sweeps = 0;

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (notifications && notifications->handleMessage(message, wParam, lParam))
            return 0;
        return Form::handleMessage(message, wParam, lParam);
    }
};

HWND NewWindow(bool visible = true)
{
    return CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | (visible ? WS_VISIBLE : 0), -50, -50, 10, 10,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}


using Queue = std::vector<std::pair<UINT, HWND>>;

// Posts the handled notification and the queue behind it, lets the handler
// take the first, and gives back what is left queued.
Queue HandleFirst(TestMainWindow& main, const Queue& posted)
{
    for (const auto& [message, window] : posted)
        PostMessageA(main.handle(), message, 0, reinterpret_cast<LPARAM>(window));
    MSG first;
    EXPECT_TRUE(PeekMessageA(&first, main.handle(), UM_CAPTIONCHANGED, UM_CAPTIONTOUCHED, PM_REMOVE));
    DispatchMessageA(&first);
    Queue left;
    MSG next;
    while (PeekMessageA(&next, main.handle(), UM_CAPTIONCHANGED, UM_CAPTIONTOUCHED, PM_REMOVE))
        left.push_back({next.message, reinterpret_cast<HWND>(next.lParam)});
    return left;
}

TEST(CaptionNotifications, CoalescingOnTheRealQueue)
{
    TestMainWindow main(false);
    HWND w = NewWindow(), x = NewWindow();
    constexpr UINT C = UM_CAPTIONCHANGED, T = UM_CAPTIONTOUCHED;

    EXPECT_EQ(HandleFirst(main, {{C, w}, {C, w}, {T, w}, {C, w}, {C, x}, {C, w}}), (Queue{{C, x}, {C, w}}));
    EXPECT_EQ(main.paints, (std::vector<Paint>{{w, true}}));
    main.paints.clear();
    EXPECT_EQ(HandleFirst(main, {{T, w}, {C, w}, {T, w}, {T, x}, {T, w}}), (Queue{{C, w}, {T, x}, {T, w}}));
    EXPECT_EQ(main.paints, (std::vector<Paint>{{w, false}}));
    main.paints.clear();
    EXPECT_EQ(HandleFirst(main, {{T, w}, {C, x}, {T, w}}), (Queue{{C, x}}));
    EXPECT_EQ(HandleFirst(main, {{C, w}}), Queue{});
    EXPECT_EQ(main.paints.size(), 2u);
    // Where the windows paint their own captions, a notification asks nothing.
    main.notifications->setHookPaints(true);
    EXPECT_EQ(HandleFirst(main, {{C, w}, {C, w}}), (Queue{{C, w}}));
    EXPECT_EQ(main.paints.size(), 2u);
    main.notifications->setHookPaints(false);
    DestroyWindow(w);
    DestroyWindow(x);
}

TEST(CaptionNotifications, SettleTimersEndAndLeaveNothingBehind)
{
    TestMainWindow main(true);
    std::vector<HWND> windows;
    for (int i = 0; i < 200; ++i)
        windows.push_back(NewWindow());
    // 1,000 notifications, each window's five spread over the whole burst.
    for (int round = 0; round < 5; ++round)
        for (HWND window : windows)
            PostMessageA(main.handle(), round % 2 ? UM_CAPTIONTOUCHED : UM_CAPTIONCHANGED, 0,
                         reinterpret_cast<LPARAM>(window));
    test::PumpUntilQuiet();
    EXPECT_EQ(main.notifications->immediatePaints(), 1000u);
    EXPECT_EQ(main.notifications->settlePaints(), 400u) << "a settle paint and a late one per window per quiet period";
    EXPECT_FALSE(KillTimer(main.handle(), SettleTimer)) << "a timer was left behind";

    // Windows destroyed or hidden before their timers fire: no paint, and the timers end.
    std::vector<HWND> doomed;
    for (int i = 0; i < 20; ++i)
        doomed.push_back(NewWindow());
    for (HWND window : doomed)
        PostMessageA(main.handle(), UM_CAPTIONCHANGED, 0, reinterpret_cast<LPARAM>(window));
    MSG message;
    while (PeekMessageA(&message, main.handle(), UM_CAPTIONCHANGED, UM_CAPTIONTOUCHED, PM_REMOVE))
        DispatchMessageA(&message);
    for (size_t i = 0; i < doomed.size(); ++i)
        i % 2 ? (void)ShowWindow(doomed[i], SW_HIDE) : (void)DestroyWindow(doomed[i]);
    const unsigned settleBefore = main.notifications->settlePaints();
    test::PumpUntilQuiet();
    EXPECT_EQ(main.notifications->settlePaints(), settleBefore);
    EXPECT_FALSE(KillTimer(main.handle(), SettleTimer));

    // Forged notifications naming no window, small numbers among them: painted
    // (to nothing) as before, but nothing scheduled and no sweep started.
    for (uintptr_t forged = 1; forged < 2000; ++forged)
        if (!IsWindow(reinterpret_cast<HWND>(forged * 7)))  // Wine takes a bare table index for a window
            PostMessageA(main.handle(), UM_CAPTIONCHANGED, 0, static_cast<LPARAM>(forged * 7));
    test::PumpUntilQuiet();
    EXPECT_EQ(main.notifications->settlePaints(), settleBefore);
    EXPECT_EQ(main.sweeps, 0);

    // The settle sweep after start-up: once.
    main.notifications->armSettleSweep();
    main.notifications->armSettleSweep();
    test::PumpUntilQuiet();
    EXPECT_EQ(main.sweeps, 1);
    for (HWND window : windows)
        DestroyWindow(window);
}

HWND NewCaptioned(int x, int y)
{
    return CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, x, y, 200, 100,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

TEST(CaptionNotifications, CaptionsUncoveredByAnotherWindowAreRepainted)
{
    TestMainWindow main(true);
    HWND left = NewCaptioned(100, 100), right = NewCaptioned(320, 100), distant = NewCaptioned(100, 400);
    HWND cover = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 280, 90,
                                 60, 40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    main.notifications->learnWindowPlaces();
    // The windows painted after a change of the cover's place: each in full,
    // once and once more late.
    auto changed = [&](UINT flags) {
        main.paints.clear();
        PostMessageA(main.handle(), UM_WINDOWPOSCHANGED, flags, reinterpret_cast<LPARAM>(cover));
        test::PumpUntilQuiet();
        std::map<HWND, int> painted;
        for (const Paint& paint : main.paints)
            painted[paint.window] += paint.full ? 1 : 100;
        return painted;
    };
    using Painted = std::map<HWND, int>;
    // Hidden: both captions it lay over; not the distant one.
    ShowWindow(cover, SW_HIDE);
    EXPECT_EQ(changed(SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE), (Painted{{left, 2}, {right, 2}}));
    // Shown: learnt, nothing uncovered.
    ShowWindow(cover, SW_SHOWNA);
    EXPECT_TRUE(changed(SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE).empty());
    // A run of moves to the right, queued together: one look at where it
    // ended, and only the left-hand caption was laid bare.
    for (int x = 285; x <= 300; x += 5) {
        SetWindowPos(cover, nullptr, x, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        PostMessageA(main.handle(), UM_WINDOWPOSCHANGED, SWP_NOSIZE | SWP_NOZORDER, reinterpret_cast<LPARAM>(cover));
    }
    EXPECT_EQ(changed(SWP_NOSIZE | SWP_NOZORDER), (Painted{{left, 2}}));
    // Lowered, then moved 5 to the right, in one run: the move alone laid
    // bare nothing captioned, but the lowering may have laid bare all of it.
    SetWindowPos(cover, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PostMessageA(main.handle(), UM_WINDOWPOSCHANGED, SWP_NOMOVE | SWP_NOSIZE, reinterpret_cast<LPARAM>(cover));
    SetWindowPos(cover, nullptr, 305, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(changed(SWP_NOSIZE | SWP_NOZORDER), (Painted{{right, 2}}));
    // Destroyed, the same as hidden; and no timer is left running.
    DestroyWindow(cover);
    EXPECT_EQ(changed(SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE), (Painted{{right, 2}}));
    EXPECT_FALSE(KillTimer(main.handle(), SettleTimer));
    for (HWND window : {left, right, distant})
        DestroyWindow(window);
}

} // namespace
