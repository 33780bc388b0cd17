// The outside painter's paint of a 400 x 300 window of another process, against the
// system's own repaint of that window's frame (WM_NCPAINT): the painting from
// outside, which serves the windows no hook reaches.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench/bench_support.h"
#include "bench/painter_setup.h"
#include "look/surfaces.h"
#include "settings/options_io.h"
#include "settings/settings.h"
#include "tests/win/test_settings.h"
#include "tests/win/win_test_support.h"
#include "ui/handles.h"

using namespace lume;

int main()
{
    bench::Painting& painting = bench::SetUpPainter();  // inactive: the gradient; active: the stripes

    test::ChildProcess sample("\"" + test::SampleWindowsExe() + "\" --one BenchSample 100 100 400 300");
    HWND window = test::WaitForWindow(nullptr, "BenchSample");
    if (!window) {
        std::fprintf(stderr, "no sample window\n");
        return 1;
    }
    test::SyncWith(window);
    auto systemRepaint = [&] {
        DWORD_PTR result;
        SendMessageTimeoutA(window, WM_NCPAINT, 1, 0, SMTO_BLOCK, 2000, &result);
    };
    for (int gradient = 0; gradient < 2; ++gradient) {
        painting.settings.Inactive.Surface = gradient ? SurfaceKind::Gradation : SurfaceKind::Texture;
        painting.look.buildSurfaces();
        bench::Comparison c = bench::CompareMedians(15, 40, [&] { painting.painter.paint(window, true); }, systemRepaint);
        // The painting from outside, kept for windows no hook reaches: no target.
        bench::PrintFigure(gradient ? "outside: OutsidePainter (gradient) / WM_NCPAINT"
                                    : "outside: OutsidePainter (texture) / WM_NCPAINT",
                           c);
    }
    // Where a paint's time goes: each of these is one or more round trips to the Wine server.
    auto perCall = [&](const char* name, const auto& operation) {
        double start = bench::NowMicroseconds();
        for (int i = 0; i < 200; ++i)
            operation();
        std::printf("  %-42s %10.1f us\n", name, (bench::NowMicroseconds() - start) / 200);
    };
    perCall("GetWindowLongA (2 per paint)", [&] { GetWindowLongA(window, GWL_STYLE); });
    perCall("GetClassNameA", [&] {
        char name[16];
        GetClassNameA(window, name, sizeof name);
    });
    perCall("layout query (3 queries)", [&] { painting.painter.layoutOf(window); });
    perCall("GetWindowTextW", [&] {
        wchar_t text[257];
        GetWindowTextW(window, text, 257);
    });
    perCall("GetDCEx with its clip + ReleaseDC", [&] {
        HDC dc = GetDCEx(window, CreateRectRgn(100, 100, 500, 130), DCX_WINDOW | DCX_CACHE | DCX_INTERSECTRGN);
        ReleaseDC(window, dc);
    });
    ui::RegionHandle region(CreateRectRgn(0, 0, 400, 30));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 30);
    HGDIOBJ old = SelectObject(memory, bitmap);
    perCall("GetWindowDC + SelectClipRgn + ReleaseDC (not made)", [&] {
        HDC dc = GetWindowDC(window);
        SelectClipRgn(dc, region.get());
        ReleaseDC(window, dc);
    });
    perCall("GetForegroundWindow", [&] { GetForegroundWindow(); });
    perCall("GetWindowRect", [&] {
        RECT r;
        GetWindowRect(window, &r);
    });
    perCall("GetWindowDC + BitBlt 400 x 30 + ReleaseDC", [&] {
        HDC dc = GetWindowDC(window);
        BitBlt(dc, 0, 0, 400, 30, memory, 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
    });
    // The title as the painter draws it: UTF-16, through ExtTextOutW.
    perCall("compose: 2 ExtTextOutW in memory (no server)", [&] {
        HGDIOBJ previous = SelectObject(memory, painting.look.options.normalFont.handle());
        SetBkMode(memory, TRANSPARENT);
        RECT clip{4, 4, 340, 23};
        ExtTextOutW(memory, 9, 7, ETO_CLIPPED, &clip, L"BenchSample", 11, nullptr);
        ExtTextOutW(memory, 7, 5, ETO_CLIPPED, &clip, L"BenchSample", 11, nullptr);
        SelectObject(memory, previous);
    });
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return 0;
}
