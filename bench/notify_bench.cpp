// Paints per burst of notifications for one window, with the real hook: a
// burst of 1,000 WM_SETTEXT, and a drag of 500 moves, queued while this
// thread is busy, then handled.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app/caption_notifications.h"
#include "hooklib/hook_protocol.h"
#include "hooklib/lumehook.h"
#include "painter/painter.h"
#include "painter/surfaces.h"
#include "settings/options_io.h"
#include "settings/settings.h"
#include "tests/win/test_settings.h"
#include "tests/win/win_test_support.h"
#include "ui/form.h"

using namespace lume;

namespace {

class BenchMainWindow : public ui::Form {
public:
    BenchMainWindow()
    {
        createWindow("LumeNotifyBench", "", WS_POPUP, 0, nullptr);
        notifications = std::make_unique<CaptionNotifications>(
            handle(), [](HWND window, bool full) { PaintCaption(window, full); }, [] {});
    }
    std::unique_ptr<CaptionNotifications> notifications;
    unsigned received = 0;

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == UM_CAPTIONCHANGED || message == UM_CAPTIONTOUCHED)
            ++received;
        if (notifications->handleMessage(message, wParam, lParam))
            return 0;
        return Form::handleMessage(message, wParam, lParam);
    }
};

unsigned QueuedNotifications(HWND window)
{
    // Counted without taking them: peeking walks the queue from the front.
    unsigned count = 0;
    MSG message;
    std::vector<MSG> taken;
    while (PeekMessageA(&message, window, UM_CAPTIONCHANGED, UM_CAPTIONTOUCHED, PM_REMOVE)) {
        taken.push_back(message);
        ++count;
    }
    for (const MSG& m : taken)
        PostMessageA(window, m.message, m.wParam, m.lParam);
    return count;
}


} // namespace

int main()
{
    NormalFont = std::make_unique<ui::Font>();
    ToolFont = std::make_unique<ui::Font>();
    Surfaces = std::make_unique<CaptionSurfaces>();
    test::LoadDefaultSettings(Settings, *NormalFont, *ToolFont);
    Settings.Active.Surface = SurfaceKind::Gradation;
    UpdateCaptionMetrics();
    BuildCaptionSurfaces();

    test::ChildProcess sample("\"" + test::SampleWindowsExe() + "\" --one BurstSample 100 100 400 300");
    HWND window = test::WaitForWindow(nullptr, "BurstSample");
    if (!window)
        return 1;
    test::SyncWith(window);
    BenchMainWindow main;
    CreateDLLInst(main.handle());

    auto burst = [&](const char* name, const auto& send) {
        test::PumpUntilQuiet();
        const unsigned paintsBefore = main.notifications->immediatePaints();
        const unsigned settleBefore = main.notifications->settlePaints();
        send();
        test::SyncWith(window);
        const unsigned queued = QueuedNotifications(main.handle());
        test::PumpUntilQuiet();
        std::printf("%-44s %6u notifications %4u paints %4u settle paints  (target: 1 paint)  %s\n", name, queued,
                    main.notifications->immediatePaints() - paintsBefore,
                    main.notifications->settlePaints() - settleBefore,
                    main.notifications->immediatePaints() - paintsBefore == 1 ? "met" : "MISSED");
        std::fflush(stdout);
    };
    burst("burst of 1,000 WM_SETTEXT on one window", [&] {
        char title[32];
        for (int i = 0; i < 1000; ++i) {
            std::snprintf(title, sizeof title, "Burst %d", i);
            SetWindowTextA(window, title);
        }
    });
    burst("drag of 500 moves", [&] {
        for (int i = 0; i < 500; ++i)
            SetWindowPos(window, nullptr, 100 + i % 50, 100 + i % 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
    DestroyDLLInst();
    return 0;
}
