// The caption composed and painted in the window's own thread by the hook,
// against the system's own repaint of that window's frame there (WM_NCPAINT),
// for both surfaces; the hook's call with nothing published; and what the
// hook keeps in a process: GDI objects and private memory before and after
// 1,000 repaints.
#include <windows.h>

#include <cstdio>

#include "bench/bench_support.h"
#include "bench/painter_setup.h"
#include "hooklib/hook_protocol.h"
#include "hooklib/lumehook.h"
#include "look/look_source.h"
#include "look/look_publisher.h"

using namespace lume;

namespace {

// Wine counts neither GDI objects (GetGuiResources) nor private bytes
// (PrivateUsage): the slot the next GDI object takes, which grows with every
// object left behind, and the private memory committed, summed region by region.
struct Usage {
    unsigned nextGdiSlot;
    SIZE_T privateBytes;
};

Usage UsageNow()
{
    HRGN probe = CreateRectRgn(0, 0, 1, 1);
    Usage usage{LOWORD(reinterpret_cast<ULONG_PTR>(probe)), 0};
    DeleteObject(probe);
    MEMORY_BASIC_INFORMATION region{};
    for (auto* at = static_cast<const char*>(nullptr); VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize)
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            usage.privateBytes += region.RegionSize;
    return usage;
}

} // namespace

int main()
{
    bench::Painting& painting = bench::SetUpPainter();

    // A window of this thread, and the program's main window named in the record.
    WNDCLASSW plainClass{};
    plainClass.lpfnWndProc = DefWindowProcW;
    plainClass.hInstance = GetModuleHandleW(nullptr);
    plainClass.lpszClassName = L"SelfPaintBench";
    RegisterClassW(&plainClass);
    HWND window = CreateWindowExW(0, L"SelfPaintBench", L"SelfPaintBench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                  400, 300, nullptr, nullptr, nullptr, nullptr);
    // A window of the class that is never painted: the same hook call, post
    // included, without the paint.
    plainClass.lpszClassName = L"tty";
    RegisterClassW(&plainClass);
    HWND tty = CreateWindowExW(0, L"tty", L"tty", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 520, 100, 400, 300, nullptr,
                               nullptr, nullptr, nullptr);
    HWND receiver = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    HANDLE record = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 8, HookShareName);
    auto* share = static_cast<HookShare*>(MapViewOfFile(record, FILE_MAP_WRITE, 0, 0, 0));
    share->MainWnd = HandleToField(reinterpret_cast<uintptr_t>(receiver));
    SetPropA(receiver, HookTargetPropertyName, reinterpret_cast<HANDLE>(1));  // as CreateDLLInst marks it

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
    // Paired by round: the difference of two hook calls measured side by side
    // drifts less than the difference of their medians.
    auto compare = [&](const char* name, double target, UINT paintless) {
        std::vector<double> painted, plain, paint, system;
        for (int round = 0; round < 31; ++round) {
            auto timed = [](const auto& operation) {
                const double start = bench::NowMicroseconds();
                for (int i = 0; i < 40; ++i)
                    operation();
                return (bench::NowMicroseconds() - start) / 40;
            };
            painted.push_back(timed([&] { hookAfter(WM_NCPAINT, window); }));
            plain.push_back(timed([&] { hookAfter(paintless, paintless == WM_NCPAINT ? tty : window); }));
            paint.push_back(painted.back() - plain.back());
            system.push_back(timed([&] { SendMessageW(window, WM_NCPAINT, 1, 0); }));
            drain();
        }
        if (target > 0)
            bench::PrintRow(name, {bench::Median(paint), bench::Median(system)}, target);
        else
            bench::PrintFigure(name, {bench::Median(painted), bench::Median(plain)});
    };

    LookPublisher look;
    for (SurfaceKind kind : {SurfaceKind::Texture, SurfaceKind::Gradation}) {
        painting.settings.Active.Surface = painting.settings.Inactive.Surface = kind;
        painting.look.buildSurfaces();
        look.publish(receiver, painting.source());
        // As a real window is told its look when it is activated, which the
        // hook remembers: a paint then need not ask who is in front.
        hookAfter(WM_NCACTIVATE, window);
        compare(kind == SurfaceKind::Texture ? "caption painted in the window's thread (texture) / WM_NCPAINT"
                                             : "caption painted in the window's thread (gradient) / WM_NCPAINT",
                0.10, WM_NCPAINT);
    }

    // What the hook keeps: made at the first paint, the same after 1,000 more.
    hookAfter(WM_NCPAINT, window);
    const Usage before = UsageNow();
    for (int i = 0; i < 1000; ++i) {
        hookAfter(WM_NCPAINT, window);
        if (i % 50 == 0)
            drain();
    }
    drain();
    const Usage after = UsageNow();
    std::printf("%-44s next GDI slot %u -> %u, private memory %.2f -> %.2f MiB\n", "hooked process, 1,000 repaints",
                before.nextGdiSlot, after.nextGdiSlot, before.privateBytes / 1048576.0, after.privateBytes / 1048576.0);

    look.withdraw();
    compare("  hook after WM_NCPAINT, no look / WM_NULL", 0, WM_NULL);
    share->MainWnd = 0;
    compare("  the same, no program running / WM_NULL", 0, WM_NULL);
    UnmapViewOfFile(share);
    CloseHandle(record);
    DestroyWindow(window);
    DestroyWindow(tty);
    DestroyWindow(receiver);
    return 0;
}
