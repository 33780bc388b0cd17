// A choice in the options dialog reaching the screen: from the choice (the
// candidate built, published, every frame asked to repaint) until all of 20
// sample windows of another process show it, against the repaint of those
// frames alone (WM_NCPAINT to each, the hook painting the caption after it).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/option_preview.h"
#include "app/sweep.h"
#include "bench/bench_support.h"
#include "bench/grid_captions.h"
#include "bench/painter_setup.h"
#include "hooklib/lumehook.h"
#include "look/look_source.h"
#include "look/look_publisher.h"

using namespace lume;

namespace {

constexpr int Windows = 20;
constexpr double FrameMicroseconds = 16000;

// A candidate whose captions are one colour throughout: surface, text and
// shadow alike, so that any point of a caption tells which look it shows.
LookChoice OneColour(COLORREF colour)
{
    const bench::Painting& painting = bench::ThePainting();
    LookChoice choice{painting.settings, painting.look.options.normalFont.attributes(), painting.look.options.toolFont.attributes()};
    for (CaptionLook* look : {&choice.settings.Active, &choice.settings.Inactive})
        *look = {SurfaceKind::Gradation, "", colour, colour, colour, colour, look->LED};
    return choice;
}

void Drain()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

} // namespace

int main()
{
    const SurfaceKind gradient = SurfaceKind::Gradation;
    bench::Painting& painting = bench::SetUpPainter(&gradient);
    test::ChildProcess samples("\"" + test::SampleWindowsExe() + "\" --grid " + std::to_string(Windows));
    const std::vector<HWND> windows = bench::GridWindows(Windows);
    if (windows.empty())
        return 1;
    const std::vector<POINT> points = bench::CaptionPoints(windows);

    // The program's part: a main window named in the hook's record, its look published.
    HWND main = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    if (!CreateDLLInst(main))
        return 1;
    LookPublisher look;
    auto show = [&] {
        look.publish(main, painting.source());
        SweepWindows(painting.painter);
    };
    show();
    test::SyncWith(windows.front());
    test::PumpUntilQuiet();

    std::vector<double> choices, repaints;
    LookChoice before = OneColour(0);
    bool allShown = true;
    for (int round = 0; round < 9; ++round) {
        const COLORREF colour = round % 2 ? RGB(200, 40, 40) : RGB(40, 160, 200);
        const LookChoice choice = OneColour(colour);
        {
            // A dialog's preview of one choice, from the choice until every caption shows it.
            OptionPreview preview(main, painting.look, before, show);
            const double start = bench::NowMicroseconds();
            preview.choose(choice);
            choices.push_back(bench::WaitUntilShown(points, colour, true, start));
            allShown = allShown && bench::Show(points, colour, true);
        }
        before = choice;
        Drain();

        const double start = bench::NowMicroseconds();
        for (HWND window : windows) {
            DWORD_PTR result;
            SendMessageTimeoutA(window, WM_NCPAINT, 1, 0, SMTO_BLOCK, 2000, &result);
        }
        repaints.push_back(bench::NowMicroseconds() - start);
        Drain();
    }
    DestroyDLLInst();

    const bench::Comparison c{bench::Median(choices), bench::Median(repaints)};
    const bool met = allShown && c.subject <= FrameMicroseconds + c.reference;
    std::printf("%-44s %10.1f us %10.1f us %7.3f  goal: within one display frame (16 ms) plus the system's own "
                "repaint of those frames  %s\n",
                "preview: choice to 20 captions shown / their WM_NCPAINT", c.subject, c.reference, c.ratio(),
                met ? "met" : allShown ? "MISSED" : "MISSED (not all shown)");
    return 0;
}
