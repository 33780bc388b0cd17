// What a hook costs the messages of a hooked program, through the real hook
// chain: hook_timer times messages its window sends itself, in its own thread,
// with no hook, with a hook that only passes each message on, and with
// lumehook painting that window's caption in three looks; the hooks set from
// this process, as the program sets lumehook.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_support.h"
#include "bench/grid_captions.h"
#include "bench/painter_setup.h"
#include "hooklib/lumehook.h"
#include "look/look_source.h"
#include "look/look_publisher.h"
#include "tests/common/bmp_writer.h"
#include "tests/win/win_test_support.h"

extern "C" {
BOOL WINAPI InstallReferenceHook();
void WINAPI RemoveReferenceHook();
}

using namespace lume;

namespace {

// A hook set for one scope and removed on every way out of it: a hook never
// removed stays in every chain until the Wine server stops.
struct Hook {
    Hook(bool set, void(WINAPI* removal)()) : remove(removal)
    {
        if (!set)
            throw std::runtime_error("a hook could not be set");
    }
    ~Hook() { remove(); }
    void(WINAPI* remove)();
};

// The textures are of one colour, so that the screen tells whether they were painted.
constexpr COLORREF TextureColour = RGB(190, 40, 50);

std::string WriteTexture(int width, int height)
{
    const std::string path =
        test::TempFile("hook_bench_" + std::to_string(width) + "x" + std::to_string(height) + ".bmp");
    const std::vector<uint8_t> bmp = test::MakeBmp(40, width, height, 24, 0, [](int, int) { return 0xBE2832u; });
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    return path;  // the temporary folder's path is plain ASCII, the same in cp932
}

// Microseconds: hook_timer's median for `message` sent to its own window.
double Timed(HWND timer, UINT message)
{
    DWORD_PTR nanoseconds = 0;
    if (!SendMessageTimeoutW(timer, WM_APP, message, 0, SMTO_BLOCK, 30000, &nanoseconds))
        throw std::runtime_error("hook_timer did not answer");
    return static_cast<double>(nanoseconds) / 1000;
}

// The round whose ratio is the median of all rounds: a subject and its
// reference timed back to back, in the same phase of the machine's load,
// which comes in bursts seconds long and makes every call to the Wine server,
// and so every hook call, several times slower while it lasts.
bench::Comparison MedianRound(const std::vector<double>& subject, const std::vector<double>& reference)
{
    std::vector<size_t> rounds(subject.size());
    for (size_t i = 0; i < rounds.size(); ++i)
        rounds[i] = i;
    std::sort(rounds.begin(), rounds.end(),
              [&](size_t a, size_t b) { return subject[a] * reference[b] < subject[b] * reference[a]; });
    const size_t middle = rounds[rounds.size() / 2];
    return {subject[middle], reference[middle]};
}

int Run()
{
    bench::Painting& painting = bench::SetUpPainter();
    // Each look by its name and texture file; none for the gradient.
    const std::pair<std::string, std::string> looks[] = {
        {"1x22 texture", WriteTexture(1, 22)}, {"20x12 texture", WriteTexture(20, 12)}, {"gradient", ""}};
    HWND receiver = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    test::ChildProcess timerProgram("\"" + test::ProgramFolder() + "hook_timer.exe\"");
    HWND timer = test::WaitForWindow(nullptr, "HookTimer");
    // A second timer whose frame the window manager draws: the tests' stand-in
    // for dwmapi beside it answers as Windows 11, and the look asks for Tint.
    const std::string composedFolder = test::TempFile("hook_bench_composed");
    CreateDirectoryA(composedFolder.c_str(), nullptr);
    CopyFileA((test::ProgramFolder() + "hook_timer.exe").c_str(), (composedFolder + "\\hook_timer.exe").c_str(), FALSE);
    CopyFileA((test::ProgramFolder() + "..\\e2e\\dwm_standin\\dwmapi.dll").c_str(),
              (composedFolder + "\\dwmapi.dll").c_str(), FALSE);
    SetEnvironmentVariableA("WINEDLLOVERRIDES", "dwmapi=n,b");
    test::ChildProcess composedProgram("\"" + composedFolder + "\\hook_timer.exe\" ComposedTimer");
    SetEnvironmentVariableA("WINEDLLOVERRIDES", nullptr);
    HWND composed = test::WaitForWindow(nullptr, "ComposedTimer");
    if (!timer || !composed)
        throw std::runtime_error("hook_timer's windows did not open");
    SetWindowPos(composed, nullptr, 520, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);  // beside the other

    LookPublisher publisher;
    auto publish = [&](int look) {
        for (CaptionLook* group : {&painting.settings.Active, &painting.settings.Inactive}) {
            group->Surface = looks[look].second.empty() ? SurfaceKind::Gradation : SurfaceKind::Texture;
            group->Texture = looks[look].second;
        }
        painting.look.buildSurfaces();
        publisher.publish(receiver, painting.source());
    };
    // One message timed under the pass-through hook, then under lumehook with
    // `look` published, back to back.
    auto timedPair = [&](HWND window, UINT message, int look, std::vector<double>& pass, std::vector<double>& lume) {
        {
            Hook hook(InstallReferenceHook(), RemoveReferenceHook);
            pass.push_back(Timed(window, message));
        }
        Hook hook(CreateDLLInst(receiver), DestroyDLLInst);
        publish(look);
        lume.push_back(Timed(window, message));
        test::PumpUntilQuiet(10);  // lumehook's notifications to the receiver
        publisher.withdraw();
    };
    {
        // Once: the timer's window, gone idle, shows what lumehook painted in it.
        Hook hook(CreateDLLInst(receiver), DestroyDLLInst);
        publish(0);
        Timed(timer, WM_NCPAINT);
        const bool painted =
            bench::WaitUntilShown(bench::CaptionPoints({timer}), TextureColour, true, bench::NowMicroseconds()) < 5e6;
        std::printf(painted ? "lumehook painted the timer's caption (seen on the screen)\n"
                            : "WARNING: lumehook did not paint the timer's caption: no paint is measured\n");
        publisher.withdraw();
    }
    // Rounds of all, alternating, so that slow drift hits them alike.
    std::vector<double> nullNone, nullPass, nullLume, paintNone, paintPass[3], paintLume[3], tintPass, tintLume;
    for (int round = 0; round < 11; ++round) {
        nullNone.push_back(Timed(timer, WM_NULL));
        paintNone.push_back(Timed(timer, WM_NCPAINT));
        timedPair(timer, WM_NULL, 0, nullPass, nullLume);
        for (int i = 0; i < 3; ++i)
            timedPair(timer, WM_NCPAINT, i, paintPass[i], paintLume[i]);
        timedPair(composed, WM_NCPAINT, 0, tintPass, tintLume);
    }
    bench::PrintRow("message to a hooked window, lumehook / pass-through hook", MedianRound(nullLume, nullPass), 1.25);
    for (int i = 0; i < 3; ++i)
        bench::PrintRow(("WM_NCPAINT 400x300, lumehook painting (" + looks[i].first + ") / pass-through").c_str(),
                        MedianRound(paintLume[i], paintPass[i]), 1.25);
    bench::PrintRow("WM_NCPAINT 400x300, composed frame tinted, not painted / pass-through", MedianRound(tintLume, tintPass),
                    1.05);
    bench::PrintFigure("  WM_NULL, pass-through hook / no hook", MedianRound(nullPass, nullNone));
    bench::PrintFigure("  WM_NCPAINT, pass-through hook / no hook", MedianRound(paintPass[0], paintNone));
    DestroyWindow(receiver);
    return 0;
}

} // namespace

int main()
{
    // Caught, so that the hooks' guards remove them on the way out.
    try {
        return Run();
    } catch (const std::exception& error) {
        std::printf("hook_bench: %s\n", error.what());
        return 1;
    }
}
