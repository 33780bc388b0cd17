// lumehook.dll for real under Wine: this process is the receiver, a
// sample-windows process is hooked, and what arrives is compared with what
// the sample's window procedure saw.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "hooklib/classify.h"
#include "hooklib/hook_protocol.h"
#include "hooklib/lumehook.h"
#include "tests/win/probe/probe_hook.h"
#include "tests/win/refused_hook.h"
#include "tests/win/win_test_support.h"

namespace {

using namespace lume;
using namespace lume::test;

struct Notification {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Notification&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Notification& n)
{
    return out << std::hex << "{" << n.message << ", " << n.wParam << ", " << n.lParam << "}";
}

// A hidden top-level window that keeps what is posted to it in a range.
class MessageWindow {
public:
    MessageWindow(const char* className, UINT first, UINT last) : first_(first), last_(last)
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = className;
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, className, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    }
    ~MessageWindow() { DestroyWindow(window_); }
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    HWND get() const { return window_; }

    // Everything received so far, oldest first.
    const std::vector<Notification>& received()
    {
        MSG message;
        while (PeekMessageA(&message, window_, first_, last_, PM_REMOVE))
            received_.push_back({message.message, message.wParam, message.lParam});
        return received_;
    }
    std::vector<Notification> receivedFor(HWND observed)
    {
        std::vector<Notification> matching;
        for (const Notification& n : received())
            if (n.lParam == reinterpret_cast<LPARAM>(observed))
                matching.push_back(n);
        return matching;
    }
    void clear()
    {
        received();
        received_.clear();
    }

private:
    HWND window_;
    UINT first_, last_;
    std::vector<Notification> received_;
};

HookShare ReadHookShare()
{
    HookShare copy{};
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, HookShareName);
    if (!mapping)
        return copy;
    if (auto* view = static_cast<const HookShare*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0))) {
        copy = *view;
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return copy;
}

HWND WindowOf(uint32_t field) { return reinterpret_cast<HWND>(FieldToHandle(field)); }
HHOOK HookOf(uint32_t field) { return reinterpret_cast<HHOOK>(FieldToHandle(field)); }

// Removes, on every path, hooks a test installed: under Wine a hook left
// behind would outlive this process.
class HookCleanup {
public:
    void keep(HHOOK hook) { hooks_.push_back(hook); }
    ~HookCleanup()
    {
        for (HHOOK hook : hooks_)
            UnhookWindowsHookEx(hook);
    }

private:
    std::vector<HHOOK> hooks_;
};

// The notifications the hook must have posted for what the sample's window
// procedure logged from entry `first` on, in order. A message sent from
// another process reaches a hook under Wine with lResult 0, so that is what
// the hook decided on.
std::vector<Notification> ExpectedFromLog(const std::string& logPath, size_t first, HWND sample)
{
    std::vector<Notification> expected;
    std::vector<LoggedMessage> log = ReadSampleLog(logPath);
    for (size_t i = first; i < log.size(); ++i) {
        const LoggedMessage& entry = log[i];
        if (WindowOf(entry.window) != sample)
            continue;
        intptr_t lResult = entry.fromOtherThread ? 0 : static_cast<intptr_t>(entry.result);
        HookDecision decision = ClassifyHookedMessage(entry.style, entry.message, lResult);
        if (decision.action == HookAction::PostCaptionChanged)
            expected.push_back({UM_CAPTIONCHANGED, decision.wParam, reinterpret_cast<LPARAM>(sample)});
        else if (decision.action == HookAction::PostCaptionTouched)
            expected.push_back({UM_CAPTIONTOUCHED, 0, reinterpret_cast<LPARAM>(sample)});
    }
    return expected;
}

class HookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCursorPos(1000, 700);  // away from the sample: its hit tests are the test's own
        DeleteFileA(logPath_.c_str());
        sample_ = std::make_unique<ChildProcess>("\"" + SampleWindowsExe() + "\" --one LumeHookTarget 100 100 400 300 --log \"" +
                                                 logPath_ + "\"");
        ASSERT_TRUE(sample_->started());
        window_ = WaitForWindow("LumeSample", "LumeHookTarget");
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(SyncWith(window_));
    }

    // Starts a stretch of messages: the log so far is not this stretch's.
    void StartStretch(MessageWindow& receiver)
    {
        ASSERT_TRUE(SyncWith(window_));
        logMark_ = ReadSampleLog(logPath_).size();
        receiver.clear();
    }

    // Waits until what arrived for the sample in this stretch equals what its
    // log calls for.
    void ExpectExactlyTheTable(MessageWindow& receiver)
    {
        std::vector<Notification> received, expected;
        bool same = WaitFor([&] {
            SyncWith(window_);
            received = receiver.receivedFor(window_);
            expected = ExpectedFromLog(logPath_, logMark_, window_);
            return received == expected;
        });
        ASSERT_TRUE(same) << ::testing::PrintToString(received) << "\n  expected "
                          << ::testing::PrintToString(expected);
    }

    size_t LoggedCount(UINT message)
    {
        auto log = ReadSampleLog(logPath_);
        return std::count_if(log.begin(), log.end(), [&](const LoggedMessage& e) {
            return WindowOf(e.window) == window_ && e.message == message;
        });
    }

    std::string logPath_ = TempFile("lume_hook_sample.log");
    std::unique_ptr<ChildProcess> sample_;
    HWND window_ = nullptr;
    size_t logMark_ = 0;
};

bool Contains(const std::vector<Notification>& all, const Notification& one)
{
    return std::find(all.begin(), all.end(), one) != all.end();
}

TEST_F(HookTest, ProcedureCalledDirectly)
{
    HookCleanup cleanup;
    MessageWindow receiver("LumeDirectReceiver", UM_CAPTIONCHANGED, UM_CAPTIONTOUCHED);
    HWND own = CreateWindowExA(0, "STATIC", "Direct", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    CWPRETSTRUCT hitTest{HTSYSMENU, 0, 0, WM_NCHITTEST, own};

    // No mapping yet: nothing rewritten, the call still passed on.
    if (HANDLE existing = OpenFileMappingA(FILE_MAP_READ, FALSE, HookShareName)) {
        CloseHandle(existing);
    } else {
        CALLWNDPROCRETHookProc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&hitTest));
        EXPECT_EQ(hitTest.lResult, HTSYSMENU);
    }

    ASSERT_TRUE(CreateDLLInst(receiver.get()));
    cleanup.keep(HookOf(ReadHookShare().HookHandle));

    CALLWNDPROCRETHookProc(1, 0, reinterpret_cast<LPARAM>(&hitTest));
    EXPECT_EQ(hitTest.lResult, HTSYSMENU) << "nCode other than 0 leaves the structure alone";
    CWPRETSTRUCT setText{TRUE, 0, 0, WM_SETTEXT, own};
    CALLWNDPROCRETHookProc(-1, 0, reinterpret_cast<LPARAM>(&setText));
    CALLWNDPROCRETHookProc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&hitTest));
    EXPECT_EQ(hitTest.lResult, HTCAPTION);
    CALLWNDPROCRETHookProc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&setText));

    DestroyDLLInst();
    EXPECT_EQ(receiver.receivedFor(own),
              (std::vector<Notification>{{UM_CAPTIONCHANGED, WM_SETTEXT, reinterpret_cast<LPARAM>(own)}}));
    DestroyWindow(own);
}

TEST_F(HookTest, NotificationsOfTheTableAcrossProcesses)
{
    HookCleanup cleanup;
    MessageWindow probe(ProbeReceiverClass, ProbeHitTestMessage, ProbeHitTestMessage);
    ASSERT_TRUE(InstallProbe());  // before lumehook's, so it runs after it
    MessageWindow receiver("LumeReceiver", UM_CAPTIONCHANGED, UM_CAPTIONTOUCHED);

    ASSERT_TRUE(CreateDLLInst(receiver.get()));
    HookShare share = ReadHookShare();
    cleanup.keep(HookOf(share.HookHandle));
    EXPECT_EQ(WindowOf(share.MainWnd), receiver.get());
    EXPECT_NE(share.HookHandle, 0u);

    const LPARAM sample = reinterpret_cast<LPARAM>(window_);
    StartStretch(receiver);
    SetWindowTextA(window_, "Renamed");
    ExpectExactlyTheTable(receiver);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(Contains(receiver.received(), {UM_CAPTIONCHANGED, WM_SETTEXT, sample}));

    StartStretch(receiver);
    SetForegroundWindow(window_);
    WaitFor([&] { return Contains(receiver.received(), {UM_CAPTIONCHANGED, WM_NCACTIVATE, sample}); });
    ExpectExactlyTheTable(receiver);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(Contains(receiver.received(), {UM_CAPTIONCHANGED, WM_NCACTIVATE, sample}));

    StartStretch(receiver);
    SetWindowPos(window_, nullptr, 120, 110, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ExpectExactlyTheTable(receiver);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(Contains(receiver.received(), {UM_CAPTIONTOUCHED, 0, sample}));

    // Hit tests in the sample's own thread along the caption row and the frame.
    RECT frame;
    GetWindowRect(window_, &frame);
    const int captionY = frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    std::vector<POINT> points{{frame.left + 1, (frame.top + frame.bottom) / 2},
                              {frame.right - 2, frame.bottom - 2},
                              {(frame.left + frame.right) / 2, frame.top + 1}};
    for (int x = frame.left + 2; x < frame.right - 2; x += 3)
        points.push_back({x, captionY});
    std::vector<LRESULT> seen;
    for (POINT point : points) {
        StartStretch(receiver);
        probe.clear();
        LRESULT result = HitTestInSample(window_, point);
        seen.push_back(result);
        ExpectExactlyTheTable(receiver);
    ASSERT_FALSE(HasFatalFailure());
        std::vector<Notification> touched = receiver.receivedFor(window_);
        bool touches = result == HTCAPTION || (result >= HTLEFT && result <= HTBOTTOMRIGHT);
        std::vector<Notification> expected;
        if (touches)
            expected.push_back({UM_CAPTIONTOUCHED, 0, sample});
        EXPECT_EQ(touched, expected) << "hit-test result " << result;
        // The next hook in the chain is handed the same result, except that the
        // system menu reads as caption. (It also sees hit tests of the real
        // cursor, so the one for this point is looked for among them.)
        LRESULT passedOn = result == HTSYSMENU ? HTCAPTION : result;
        EXPECT_TRUE(WaitFor([&] {
            for (const Notification& n : probe.receivedFor(window_))
                if (static_cast<LRESULT>(n.wParam) == passedOn)
                    return true;
            return false;
        })) << "hit-test result " << result;
        for (const Notification& n : probe.receivedFor(window_))
            EXPECT_NE(static_cast<LRESULT>(n.wParam), HTSYSMENU);
    }
    for (LRESULT kind : {HTCAPTION, HTSYSMENU, HTLEFT, HTBOTTOMRIGHT, HTTOP, HTMINBUTTON, HTMAXBUTTON, HTCLOSE})
        EXPECT_NE(std::find(seen.begin(), seen.end(), kind), seen.end()) << "no point gave " << kind;

    // Every notification from any window has the wParam of its kind.
    for (const Notification& n : receiver.received())
        EXPECT_TRUE(n.message == UM_CAPTIONTOUCHED
                        ? n.wParam == 0
                        : n.wParam == WM_SETTEXT || n.wParam == WM_NCPAINT || n.wParam == WM_NCACTIVATE ||
                              n.wParam == WM_INITMENU)
            << n;

    // After DestroyDLLInst nothing more arrives.
    DestroyDLLInst();
    RemoveProbe();
    receiver.clear();
    size_t before = LoggedCount(WM_SETTEXT);
    SetWindowTextA(window_, "Unhooked");
    SetWindowPos(window_, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(SyncWith(window_));
    EXPECT_EQ(LoggedCount(WM_SETTEXT), before + 1);
    EXPECT_TRUE(receiver.received().empty());
}

TEST_F(HookTest, SecondCreateRedirectsToTheNewerWindow)
{
    HookCleanup cleanup;
    MessageWindow first("LumeFirstReceiver", UM_CAPTIONCHANGED, UM_CAPTIONTOUCHED);
    MessageWindow second("LumeSecondReceiver", UM_CAPTIONCHANGED, UM_CAPTIONTOUCHED);
    const Notification setText{UM_CAPTIONCHANGED, WM_SETTEXT, reinterpret_cast<LPARAM>(window_)};

    ASSERT_TRUE(CreateDLLInst(first.get()));
    HHOOK firstHook = HookOf(ReadHookShare().HookHandle);
    cleanup.keep(firstHook);
    ASSERT_TRUE(CreateDLLInst(second.get()));
    HookShare share = ReadHookShare();
    HHOOK secondHook = HookOf(share.HookHandle);
    cleanup.keep(secondHook);
    EXPECT_EQ(WindowOf(share.MainWnd), second.get());
    EXPECT_NE(secondHook, firstHook);

    // Both hooks now post to the newer window.
    SetWindowTextA(window_, "Twice");
    ASSERT_TRUE(SyncWith(window_));
    EXPECT_TRUE(WaitFor([&] {
        auto all = second.receivedFor(window_);
        return std::count(all.begin(), all.end(), setText) == 2;
    }));
    EXPECT_TRUE(first.received().empty());

    // DestroyDLLInst removes only the hook the record names.
    DestroyDLLInst();
    second.clear();
    SetWindowTextA(window_, "Once");
    ASSERT_TRUE(SyncWith(window_));
    EXPECT_TRUE(WaitFor([&] { return second.receivedFor(window_) == std::vector<Notification>{setText}; }));

    UnhookWindowsHookEx(firstHook);
    second.clear();
    SetWindowTextA(window_, "None");
    ASSERT_TRUE(SyncWith(window_));
    EXPECT_TRUE(second.received().empty());
    EXPECT_TRUE(first.received().empty());
}

TEST(HookRefused, CreateAnswersFalseAndLeavesNoMark)
{
    MessageWindow receiver("LumeRefusedReceiver", UM_CAPTIONCHANGED, UM_CAPTIONTOUCHED);
    RefusedHook refused;
    ASSERT_TRUE(refused.active());
    const bool created = CreateDLLInst(receiver.get());
    if (created)
        DestroyDLLInst();  // never left behind, even when the test fails
    EXPECT_FALSE(created);
    EXPECT_EQ(GetPropA(receiver.get(), HookTargetPropertyName), nullptr);
}

} // namespace
