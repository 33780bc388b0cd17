#include "painter/self_painting.h"

#include <unordered_map>

#include "ui/handles.h"

namespace lume {

bool SelfPaintingOn = true;

namespace {

constexpr size_t KnownWindowsLimit = 4096;

// Windows and processes asked so far. A process's answer serves the sweep
// it was asked in (a process id may come back later for another program); a
// window's, for as long as the window lives.
std::unordered_map<HWND, bool> KnownWindows;
std::unordered_map<DWORD, bool> KnownProcesses;

bool IsHookedProcess(DWORD processId)
{
    if (auto found = KnownProcesses.find(processId); found != KnownProcesses.end())
        return found->second;
    ui::KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    BOOL wow64 = FALSE;
    // A process that cannot be asked runs the hook like any other 64-bit one.
    if (process && !IsWow64Process(process.get(), &wow64))
        wow64 = FALSE;
    return KnownProcesses[processId] = sizeof(void*) == 8 && !wow64;
}

// Whether the window's process is one the hook reaches.
bool IsInHookedProcess(HWND window)
{
    if (auto found = KnownWindows.find(window); found != KnownWindows.end())
        return found->second;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (KnownWindows.size() >= KnownWindowsLimit)
        KnownWindows.clear();
    return KnownWindows[window] = IsHookedProcess(processId);
}

} // namespace

void ForgetProcesses() { KnownProcesses.clear(); }

bool PaintsItsOwnCaption(HWND window)
{
    return SelfPaintingOn && IsInHookedProcess(window) && !IsHungAppWindow(window);
}

void AskFrameRepaint(HWND window)
{
    // In client coordinates: everything above the client area, where the
    // caption is. The grooves below are the same in every look of ours, and
    // the hook draws them anyway with the caption.
    static const ui::RegionHandle aboveClient(CreateRectRgn(-32768, -32768, 32767, 0));
    RedrawWindow(window, nullptr, aboveClient.get(), RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

} // namespace lume
