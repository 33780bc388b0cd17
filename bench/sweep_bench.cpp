// A paint sweep over 100 sample windows against the system repainting their
// frames (WM_NCPAINT to each).
#include <windows.h>

#include <memory>
#include <vector>

#include "app/sweep.h"
#include "bench/bench_support.h"
#include "bench/painter_setup.h"
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

    test::ChildProcess samples("\"" + test::SampleWindowsExe() + "\" --grid 100");
    if (!test::WaitForWindow(nullptr, "Grid 99"))
        return 1;
    std::vector<HWND> windows;
    for (int i = 0; i < 100; ++i)
        windows.push_back(FindWindowA(nullptr, ("Grid " + std::to_string(i)).c_str()));
    test::SyncWith(windows.front());
    bench::Comparison c = bench::CompareMedians(
        7, 1, [] { SweepWindows(true); },
        [&] {
            for (HWND window : windows) {
                DWORD_PTR result;
                SendMessageTimeoutA(window, WM_NCPAINT, 1, 0, SMTO_BLOCK, 2000, &result);
            }
        });
    bench::PrintRow("paint sweep (100 windows) / their WM_NCPAINT", c, 0.30);
    return 0;
}
