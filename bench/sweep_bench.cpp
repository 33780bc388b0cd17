// A change of look over 100 sample windows of another process. The program's
// time to publish the look and ask each window to repaint its frame, against
// the system repainting those frames (WM_NCPAINT to each); and the wall time
// until every caption on the screen shows the new look, against the same
// frames asked for and repainted in the system's look, until it shows.
#include <windows.h>

#include <string>
#include <vector>

#include "app/sweep.h"
#include "bench/bench_support.h"
#include "bench/grid_captions.h"
#include "bench/painter_setup.h"
#include "hooklib/lumehook.h"
#include "look/look_source.h"
#include "look/surfaces.h"
#include "look/look_publisher.h"
#include "settings/settings.h"
#include "tests/win/win_test_support.h"

using namespace lume;

int main()
{
    const SurfaceKind gradient = SurfaceKind::Gradation;
    bench::Painting& painting = bench::SetUpPainter(&gradient);
    painting.settings.Inactive.Surface = SurfaceKind::Gradation;

    test::ChildProcess samples("\"" + test::SampleWindowsExe() + "\" --grid 100");
    const std::vector<HWND> windows = bench::GridWindows(100);
    if (windows.empty())
        return 1;
    const std::vector<POINT> points = bench::CaptionPoints(windows);

    // The system's own repaint, before the hook is in place.
    std::vector<double> system, asking, shown, restored;
    for (int round = 0; round < 7; ++round) {
        const double start = bench::NowMicroseconds();
        for (HWND window : windows) {
            DWORD_PTR result;
            SendMessageTimeoutA(window, WM_NCPAINT, 1, 0, SMTO_BLOCK, 2000, &result);
        }
        system.push_back(bench::NowMicroseconds() - start);
    }

    HWND receiver = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    CreateDLLInst(receiver);
    LookPublisher look;
    for (int round = 0; round < 7; ++round) {
        // Each round a look of one colour, another than the round before.
        const COLORREF colour = round % 2 ? RGB(40, 180, 60) : RGB(190, 40, 50);
        for (CaptionLook* group : {&painting.settings.Active, &painting.settings.Inactive})
            group->Left = group->Right = colour;
        painting.look.buildSurfaces();
        const double start = bench::NowMicroseconds();
        look.publish(receiver, painting.source());
        SweepWindows(painting.painter);
        asking.push_back(bench::NowMicroseconds() - start);
        shown.push_back(bench::WaitUntilShown(points, colour, true, start));
        // The system's look back, the same way: the look withdrawn, the frames asked for.
        const double back = bench::NowMicroseconds();
        look.withdraw();
        SweepWindows(painting.painter);
        restored.push_back(bench::WaitUntilShown(points, colour, false, back));
    }
    DestroyDLLInst();
    DestroyWindow(receiver);
    bench::PrintRow("paint sweep (100 windows) / their WM_NCPAINT", {bench::Median(asking), bench::Median(system)},
                    0.30);
    bench::PrintRow("  100 captions shown / in the system's look", {bench::Median(shown), bench::Median(restored)}, 1.2);
    return 0;
}
