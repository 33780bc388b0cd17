// The main form in-process at the session's end: WM_ENDSESSION is a sent
// message, so it can come inside whatever the program is doing.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/main_form.h"
#include "hooklib/hook_protocol.h"
#include "tests/win/refused_hook.h"
#include "tests/win/screen_capture.h"
#include "tests/win/win_test_support.h"
#include "ui/application.h"

// Freed memory is filled, as a debugging heap fills it, so that a use after
// free goes wrong at once instead of by chance.
void operator delete(void* block) noexcept
{
    if (block) {
        std::memset(block, 0xDD, _msize(block));
        std::free(block);
    }
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace {

using namespace lume;
using namespace lume::test;

class MainFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ui::Application::instance().initialize(GetModuleHandleA(nullptr));
        // An options file beside the program, so that no first-run notice shows.
        WritePrivateProfileStringA("Active", "Surface", "Gradation", Ini().c_str());
    }
    static void TearDownTestSuite() { DeleteFileA(Ini().c_str()); }
    static std::string Ini()
    {
        char program[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, program, MAX_PATH);
        std::string path = program;
        return path.substr(0, path.find_last_of('.')) + ".ini";
    }
};

// Whether the message loop was told to end; the request is taken out.
bool TakeQuit()
{
    MSG quit;
    return PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

HWND NewCaptioned(const char* title, int y)
{
    return CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, y, 300, 60, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TEST_F(MainFormTest, SessionEndInsideAHandlerFreesNothingInUse)
{
    // Inside the coalescing of a run of notifications, where captions are
    // painted from here: the session's end is sent from another thread while
    // this one is busy, so the handler's first look at its queue lets it in.
    auto form = std::make_unique<TFrmMain>(MendsWithout("selfpaint"));
    HWND window = NewCaptioned("Notified", 100);
    for (int i = 0; i < 2; ++i)
        PostMessageA(form->handle(), UM_CAPTIONCHANGED, WM_SETTEXT, reinterpret_cast<LPARAM>(window));
    MSG first;
    ASSERT_TRUE(PeekMessageA(&first, form->handle(), UM_CAPTIONCHANGED, UM_CAPTIONCHANGED, PM_REMOVE));
    HWND main = form->handle();
    std::thread ender([main] { SendMessageA(main, WM_ENDSESSION, TRUE, 0); });
    while (!(HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE))
        Sleep(1);
    DispatchMessageA(&first);
    ender.join();
    EXPECT_FALSE(KillTimer(main, SettleTimer)) << "a repaint was scheduled after the end";
    EXPECT_TRUE(TakeQuit()) << "the message loop goes on after the session's end";
    form.reset();

    // Inside the options dialog, showing a choice, which is then closed with OK.
    form = std::make_unique<TFrmMain>();
    static HWND mainWindow;
    mainWindow = form->handle();
    SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        HWND dialog = FindWindowA("TDlgOption", nullptr);
        EnumChildWindows(dialog, [](HWND item, LPARAM) -> BOOL {  // both looks' "Windows デフォルト"
            char text[32] = {};
            GetWindowTextA(item, text, sizeof text);
            if (std::strcmp(text, "Windows \x83\x66\x83\x74\x83\x48\x83\x8b\x83\x67") == 0)
                SendMessageA(item, BM_CLICK, 0, 0);
            return TRUE;
        }, 0);
        SendMessageA(mainWindow, WM_ENDSESSION, TRUE, 0);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    form->ItemOptionClick();
    EXPECT_EQ(FindWindowA("TDlgOption", nullptr), nullptr);
    EXPECT_TRUE(TakeQuit());
    char surface[16] = {};
    GetPrivateProfileStringA("Active", "Surface", "", surface, sizeof surface, Ini().c_str());
    EXPECT_STREQ(surface, "Gradation") << "the session's end saved the choice shown, not the settings";
    form.reset();
    DestroyWindow(window);
}

// A system that refuses the hook: the program paints every caption from
// here, as where no hook runs, a window of a process the hook would serve too.
TEST_F(MainFormTest, AHookTheSystemRefusesLeavesEveryCaptionToThePainterFromOutside)
{
    const RefusedHook refused;
    ASSERT_TRUE(refused.active());
    HWND window = NewCaptioned("Refused", 100);
    const Capture system = CaptureSettled(window);
    auto form = std::make_unique<TFrmMain>();
    EXPECT_FALSE(form->Painter().hookPaints());
    PumpUntilQuiet(100);  // the start's sweeps, as the message loop runs them
    EXPECT_FALSE(CaptureSettled(window) == system) << "the sweep left the system's caption";
    CaptionNotifications& notifications = form->Painter().notifications();
    const unsigned paints = notifications.immediatePaints();
    PostMessageA(form->handle(), UM_CAPTIONCHANGED, WM_SETTEXT, reinterpret_cast<LPARAM>(window));
    PumpUntilQuiet(100);
    EXPECT_EQ(notifications.immediatePaints(), paints + 1) << "a notification was left to the hook";
    form.reset();
    DestroyWindow(window);
}

TEST_F(MainFormTest, SessionEndWaitsForNoBusyWindow)
{
    // Twenty windows whose thread is busy for 3 s, as programs that are
    // closing at a log-off may be: the session's end is over before they answer.
    auto form = std::make_unique<TFrmMain>();
    std::atomic<bool> answering{false};
    HANDLE shown = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread busy([&] {
        std::vector<HWND> windows;
        for (int i = 0; i < 20; ++i)
            windows.push_back(NewCaptioned("Busy", 100 + 20 * i));
        SetEvent(shown);
        Sleep(3000);
        answering = true;
        PumpUntilQuiet(100);
        for (HWND window : windows)
            DestroyWindow(window);
    });
    WaitForSingleObject(shown, 10000);
    SendMessageA(form->handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(answering) << "the session's end waited for the busy windows";
    busy.join();
    CloseHandle(shown);
    EXPECT_TRUE(TakeQuit());
    form.reset();
}

} // namespace
