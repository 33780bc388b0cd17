// What the installed hook costs each message a hooked window handles: a
// round trip to a sample window of another process with no hook, with a
// reference hook doing only the calls the hook must make (open, map, read the
// hook handle it passes on, unmap, close, CallNextHookEx), and with lumehook.
#include <windows.h>

#include <cstdio>

#include "bench/bench_support.h"
#include "hooklib/lumehook.h"
#include "tests/win/win_test_support.h"

extern "C" {
BOOL WINAPI InstallReferenceHook();
void WINAPI RemoveReferenceHook();
LRESULT WINAPI ReferenceHookProc(int nCode, WPARAM wParam, LPARAM lParam);
}

using namespace lume;

int main()
{
    test::ChildProcess sample("\"" + test::SampleWindowsExe() + "\" --one HookBench 100 100 400 300");
    HWND window = test::WaitForWindow(nullptr, "HookBench");
    if (!window)
        return 1;
    // The mapping exists throughout, so that the reference hook maps and unmaps a view as lumehook does.
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 8, "LUMEHOOK");
    // The receiving window: notifications for this message never come (it is not one of the hook's).
    HWND receiver = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    auto roundTrip = [&] { test::SyncWith(window); };
    // Microseconds per round trip: installed, warmed up (every process has
    // loaded the library), 200 round trips timed, removed.
    auto perMessage = [&](const auto& setUp, const auto& tearDown) {
        setUp();
        for (int i = 0; i < 50; ++i)
            roundTrip();
        double start = bench::NowMicroseconds();
        for (int i = 0; i < 200; ++i)
            roundTrip();
        double elapsed = (bench::NowMicroseconds() - start) / 200;
        tearDown();
        return elapsed;
    };
    // The three alternate, round after round, so that drift hits them alike.
    std::vector<double> noHook, withReference, withLumehook;
    for (int round = 0; round < 11; ++round) {
        noHook.push_back(perMessage([] {}, [] {}));
        withReference.push_back(perMessage([] { InstallReferenceHook(); }, [] { RemoveReferenceHook(); }));
        withLumehook.push_back(perMessage([&] { CreateDLLInst(receiver); }, [] { DestroyDLLInst(); }));
    }
    const double none = bench::Median(noHook), reference = bench::Median(withReference);
    const double lumehook = bench::Median(withLumehook);
    bench::PrintFigure("message with lumehook / no hook", {lumehook, none});
    bench::PrintRow("message with lumehook / reference hook", {lumehook, reference}, 1.05);
    // The two hook procedures alone, called here for a message they let pass.
    CWPRETSTRUCT message{0, 0, 0, WM_NULL, receiver};
    const LPARAM observed = reinterpret_cast<LPARAM>(&message);
    bench::Comparison procedures = bench::CompareMedians(
        11, 2000, [&] { CALLWNDPROCRETHookProc(HC_ACTION, 0, observed); },
        [&] { ReferenceHookProc(HC_ACTION, 0, observed); });
    bench::PrintRow("hook procedure alone / reference procedure", procedures, 1.05);
    DestroyWindow(receiver);
    CloseHandle(mapping);
    return 0;
}
