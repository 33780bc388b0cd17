// The hook putting a published caption on a window in the window's own
// thread, against the system's own repaint of that window's frame there
// (WM_NCPAINT); and the published captions' size for 50 windows.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app/sweep.h"
#include "bench/bench_support.h"
#include "bench/painter_setup.h"
#include "hooklib/hook_protocol.h"
#include "hooklib/lumehook.h"
#include "painter/caption_publisher.h"
#include "painter/painter.h"
#include "painter/surfaces.h"
#include "settings/settings.h"
#include "tests/win/test_settings.h"
#include "tests/win/win_test_support.h"

using namespace lume;

int main()
{
    const SurfaceKind gradient = SurfaceKind::Gradation;  // both looks a gradient
    bench::SetUpPainter(&gradient);

    // Windows of this thread, and the program's main window named in the record.
    WNDCLASSW plainClass{};
    plainClass.lpfnWndProc = DefWindowProcW;
    plainClass.hInstance = GetModuleHandleW(nullptr);
    plainClass.lpszClassName = L"BlitBench";
    RegisterClassW(&plainClass);
    HWND window = CreateWindowExW(0, L"BlitBench", L"BlitBench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300,
                                  nullptr, nullptr, nullptr, nullptr);
    HWND unpublished = CreateWindowExW(0, L"BlitBench", L"Unpublished", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 520, 100, 400,
                                       300, nullptr, nullptr, nullptr, nullptr);
    HWND receiver = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    HANDLE record = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 8, HookShareName);
    auto* share = static_cast<HookShare*>(MapViewOfFile(record, FILE_MAP_WRITE, 0, 0, 0));
    share->MainWnd = HandleToField(reinterpret_cast<uintptr_t>(receiver));
    if (!Publisher.open(receiver)) {
        std::fprintf(stderr, "the published captions' mapping exists already\n");
        return 1;
    }
    PaintCaption(window, true);

    auto hookAfter = [&](UINT message, HWND target) {
        CWPRETSTRUCT observed{0, 1, 0, message, target};
        CALLWNDPROCRETHookProc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&observed));
    };
    // The notifications the hook posted, and whatever else came meanwhile.
    auto drain = [] {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&m);
    };
    std::vector<double> withBlit, plain, system, lookup;
    for (int round = 0; round < 15; ++round) {
        auto timed = [](const auto& operation) {
            const double start = bench::NowMicroseconds();
            for (int i = 0; i < 40; ++i)
                operation();
            return (bench::NowMicroseconds() - start) / 40;
        };
        withBlit.push_back(timed([&] { hookAfter(WM_NCPAINT, window); }));
        plain.push_back(timed([&] { hookAfter(WM_NULL, window); }));
        lookup.push_back(timed([&] { hookAfter(WM_NCPAINT, unpublished); }));
        system.push_back(timed([&] { SendMessageW(window, WM_NCPAINT, 1, 0); }));
        drain();
    }
    const double blit = bench::Median(withBlit) - bench::Median(plain);
    bench::PrintRow("hook's blit in the window's thread / WM_NCPAINT", {blit, bench::Median(system)}, 0.5);
    bench::PrintFigure("  hook call for WM_NCPAINT / for WM_NULL", {bench::Median(withBlit), bench::Median(plain)});
    bench::PrintFigure("  the same, a window with nothing published", {bench::Median(lookup), bench::Median(plain)});

    // The space published captions take: both looks of 50 windows of another process.
    Publisher.withdrawAll();
    test::ChildProcess samples("\"" + test::SampleWindowsExe() + "\" --grid 50");
    if (!test::WaitForWindow(nullptr, "Grid 49"))
        return 1;
    test::SyncWith(FindWindowA(nullptr, "Grid 49"));
    SweepWindows(true);
    std::printf("%-44s %10zu captions %8.2f MiB of %u MiB\n", "published captions after a sweep (50 windows)",
                Publisher.captions(), Publisher.bytesInUse() / 1048576.0, PublishedCaptionsBytes >> 20);
    Publisher.close();
    UnmapViewOfFile(share);
    CloseHandle(record);
    DestroyWindow(window);
    DestroyWindow(unpublished);
    DestroyWindow(receiver);
    return 0;
}
