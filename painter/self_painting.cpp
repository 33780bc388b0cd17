#include "painter/self_painting.h"

#include <unordered_map>

#include "ui/handles.h"

namespace lume {

bool SelfPaintingOn = true;

namespace {

constexpr size_t KnownWindowsLimit = 4096;

// Whether the window's process is one the hook reaches, asked once per window.
bool IsInHookedProcess(HWND window)
{
    static std::unordered_map<HWND, bool> known;
    if (auto found = known.find(window); found != known.end())
        return found->second;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    ui::KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    BOOL wow64 = FALSE;
    // A process that cannot be asked runs the hook like any other 64-bit one.
    if (process && !IsWow64Process(process.get(), &wow64))
        wow64 = FALSE;
    if (known.size() >= KnownWindowsLimit)
        known.clear();
    return known[window] = sizeof(void*) == 8 && !wow64;
}

} // namespace

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
