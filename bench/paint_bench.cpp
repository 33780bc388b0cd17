// PaintCaption of a 400 x 300 window of another process, against the
// system's own repaint of that window's frame (WM_NCPAINT).
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench/bench_support.h"
#include "painter/painter.h"
#include "painter/surfaces.h"
#include "settings/options_io.h"
#include "settings/settings.h"
#include "tests/win/test_settings.h"
#include "tests/win/win_test_support.h"

using namespace lume;

int main()
{
    NormalFont = std::make_unique<ui::Font>();
    ToolFont = std::make_unique<ui::Font>();
    Surfaces = std::make_unique<CaptionSurfaces>();
    test::LoadDefaultSettings(Settings, *NormalFont, *ToolFont);
    UpdateCaptionMetrics();
    BuildCaptionSurfaces();  // inactive: the gradient; active: the stripes

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
        Settings.Inactive.Surface = gradient ? SurfaceKind::Gradation : SurfaceKind::Texture;
        BuildCaptionSurfaces();
        bench::Comparison c = bench::CompareMedians(15, 40, [&] { PaintCaption(window, true); }, systemRepaint);
        bench::PrintRow(gradient ? "PaintCaption (gradient) / WM_NCPAINT" : "PaintCaption (texture) / WM_NCPAINT", c,
                        0.25);
    }
    // Where a paint's time goes: each of these is one or more round trips to the Wine server.
    auto perCall = [&](const char* name, const auto& operation) {
        double start = bench::NowMicroseconds();
        for (int i = 0; i < 200; ++i)
            operation();
        std::printf("  %-42s %10.1f us\n", name, (bench::NowMicroseconds() - start) / 200);
    };
    perCall("IsWindowVisible (6 per paint)", [&] { IsWindowVisible(window); });
    perCall("ComputeCaptionLayout", [&] { ComputeCaptionLayout(window); });
    perCall("GetWindowDC + ReleaseDC", [&] {
        HDC dc = GetWindowDC(window);
        ReleaseDC(window, dc);
    });
    perCall("GetWindowDC + 4 ExcludeClipRect + ReleaseDC", [&] {
        HDC dc = GetWindowDC(window);
        for (int i = 0; i < 4; ++i)
            ExcludeClipRect(dc, 300 + 10 * i, 5, 305 + 10 * i, 15);
        ReleaseDC(window, dc);
    });
    return 0;
}
