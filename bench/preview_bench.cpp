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
#include "bench/painter_setup.h"
#include "hooklib/lumehook.h"
#include "painter/look_source.h"
#include "publish/look_publisher.h"
#include "tests/win/win_test_support.h"

using namespace lume;

namespace {

constexpr int Windows = 20;
constexpr double FrameMicroseconds = 16000;

// A candidate whose captions are one colour throughout: surface, text and
// shadow alike, so that any point of a caption tells which look it shows.
LookChoice OneColour(COLORREF colour)
{
    LookChoice choice{Settings, NormalFont->attributes(), ToolFont->attributes()};
    for (CaptionLook* look : {&choice.settings.Active, &choice.settings.Inactive})
        *look = {SurfaceKind::Gradation, "", colour, colour, colour, colour, look->LED};
    return choice;
}

// A point of each window's caption, left of the title's end and of the buttons.
std::vector<POINT> CaptionPoints(const std::vector<HWND>& windows)
{
    std::vector<POINT> points;
    for (HWND window : windows) {
        RECT frame{};
        GetWindowRect(window, &frame);
        points.push_back({frame.left + GetSystemMetrics(SM_CXFRAME) + 12,
                          frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2});
    }
    return points;
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
    bench::SetUpPainter(&gradient);
    test::ChildProcess samples("\"" + test::SampleWindowsExe() + "\" --grid " + std::to_string(Windows));
    if (!test::WaitForWindow(nullptr, ("Grid " + std::to_string(Windows - 1)).c_str()))
        return 1;
    std::vector<HWND> windows;
    for (int i = 0; i < Windows; ++i)
        windows.push_back(FindWindowA(nullptr, ("Grid " + std::to_string(i)).c_str()));
    const std::vector<POINT> points = CaptionPoints(windows);

    // The program's part: a main window named in the hook's record, its look published.
    HWND main = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    if (!CreateDLLInst(main))
        return 1;
    LookPublisher look;
    auto show = [&] {
        look.publish(main, CurrentLookSource());
        SweepWindows(true);
    };
    show();
    test::SyncWith(windows.front());
    test::PumpUntilQuiet();

    HDC screen = GetDC(nullptr);
    std::vector<double> choices, repaints;
    LookChoice before = OneColour(0);
    bool allShown = true;
    for (int round = 0; round < 9; ++round) {
        const COLORREF colour = round % 2 ? RGB(200, 40, 40) : RGB(40, 160, 200);
        const LookChoice choice = OneColour(colour);
        {
            // A dialog's preview of one choice, from the choice until every caption shows it.
            OptionPreview preview(main, before, show);
            std::vector<bool> shown(points.size(), false);
            size_t left = points.size();
            const double start = bench::NowMicroseconds();
            preview.choose(choice);
            // A pause between readings, so that they do not hold up the painting they wait for.
            for (; left > 0 && bench::NowMicroseconds() - start < 2e6; Sleep(1))
                for (size_t i = 0; i < points.size(); ++i)
                    if (!shown[i] && GetPixel(screen, points[i].x, points[i].y) == colour) {
                        shown[i] = true;
                        --left;
                    }
            choices.push_back(bench::NowMicroseconds() - start);
            allShown = allShown && left == 0;
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
    ReleaseDC(nullptr, screen);
    DestroyDLLInst();

    const bench::Comparison c{bench::Median(choices), bench::Median(repaints)};
    const bool met = allShown && c.subject <= FrameMicroseconds + c.reference;
    std::printf("%-44s %10.1f us %10.1f us %7.3f  goal: within one display frame (16 ms) plus the system's own "
                "repaint of those frames  %s\n",
                "preview: choice to 20 captions shown / their WM_NCPAINT", c.subject, c.reference, c.ratio(),
                met ? "met" : allShown ? "MISSED" : "MISSED (not all shown)");
    return 0;
}
