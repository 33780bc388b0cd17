// Start-up of LumeLume among 50 sample windows, to the end of its first paint
// sweep (the hook's record names its window right after it), against the start of a
// minimal Win32 program that also loads a font and draws one line of text.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "tests/win/win_test_support.h"

using namespace lume;

namespace {

// True once the named mapping exists; for "LUMEHOOK", once the record names
// a window of `process`: the hooked processes keep an earlier run's record.
bool Ready(const char* mapping, DWORD process)
{
    HANDLE found = OpenFileMappingA(FILE_MAP_READ, FALSE, mapping);
    if (!found)
        return false;
    bool ready = true;
    if (std::string(mapping) == "LUMEHOOK") {
        const auto* record = static_cast<const volatile uint32_t*>(MapViewOfFile(found, FILE_MAP_READ, 0, 0, 0));
        DWORD owner = 0;
        ready = record && GetWindowThreadProcessId(reinterpret_cast<HWND>(static_cast<intptr_t>(
                                                       static_cast<int32_t>(record[0]))),
                                                   &owner) &&
                owner == process;
        if (record)
            UnmapViewOfFile(const_cast<const uint32_t*>(record));
    }
    CloseHandle(found);
    return ready;
}

// Microseconds from CreateProcess until the program is ready, as Ready tells.
double TimeToMapping(const std::string& commandLine, const char* mapping)
{
    double start = bench::NowMicroseconds();
    test::ChildProcess program(commandLine);
    if (!program.started())
        return -1;
    while (!Ready(mapping, program.id())) {
        if (bench::NowMicroseconds() - start > 30e6)
            return -1;
        Sleep(1);
    }
    double elapsed = bench::NowMicroseconds() - start;
    // Ended without its shut-down: only the start is measured.
    TerminateProcess(program.handle(), 0);
    WaitForSingleObject(program.handle(), 5000);
    return elapsed;
}

} // namespace

int main()
{
    const std::string folder = test::ProgramFolder();
    test::ChildProcess samples("\"" + test::SampleWindowsExe() + "\" --grid 50");
    if (!test::WaitForWindow(nullptr, "Grid 49"))
        return 1;
    // The program in a folder of its own, with an options file: no first-run notice.
    const std::string scratch = test::TempFile("lume_startup_bench");
    CreateDirectoryA(scratch.c_str(), nullptr);
    CopyFileA((folder + "..\\..\\LumeLume.exe").c_str(), (scratch + "\\LumeLume.exe").c_str(), FALSE);
    CopyFileA((folder + "..\\..\\lumehook.dll").c_str(), (scratch + "\\lumehook.dll").c_str(), FALSE);
    WritePrivateProfileStringA("Active", "Surface", "Texture", (scratch + "\\LumeLume.ini").c_str());

    std::vector<double> program, minimal;
    for (int round = 0; round < 7; ++round) {
        program.push_back(TimeToMapping("\"" + scratch + "\\LumeLume.exe\"", "LUMEHOOK"));
        minimal.push_back(TimeToMapping("\"" + folder + "minimal_program.exe\"", "LUMEMINIMAL"));
    }
    bench::Comparison c{bench::Median(program), bench::Median(minimal)};
    bench::PrintRow("start-up to first sweep (50 windows) / minimal", c, 1.3);
    return 0;
}
