#include "app/single_copy.h"

#include "hooklib/hook_protocol.h"

namespace lume {

namespace {

constexpr wchar_t RunningMarkName[] = L"Local\\LumeLume.Running";

} // namespace

RunningMark::RunningMark()
{
    HANDLE mutex = CreateMutexW(nullptr, TRUE, RunningMarkName);
    if (!mutex) {
        taken_ = true;  // no mark to be had: better a copy than none
        return;
    }
    // An existing mark is ours once its holder has let go of it or died.
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    if (existed && WaitForSingleObject(mutex, 0) == WAIT_TIMEOUT) {
        CloseHandle(mutex);
        return;
    }
    mutex_.reset(mutex);
    taken_ = true;
}

namespace {

enum class RecordFound { None, LeftBehind, Live, Foreign };

// What "LUMEHOOK" holds now. Hooked processes keep the record mapped, so a
// copy of ours that ended or was killed leaves it behind, naming a window
// that is no longer there: the next copy takes it over. A record that names
// no window at all, or is not one (another kind of object, a mapping we may
// not open, one without 8 committed bytes), another program made.
RecordFound FindRecord()
{
    ui::KernelHandle record(OpenFileMappingA(FILE_MAP_READ, FALSE, HookShareName));
    if (!record) {
        const DWORD error = GetLastError();
        return error == ERROR_ACCESS_DENIED || error == ERROR_INVALID_HANDLE ? RecordFound::Foreign
                                                                              : RecordFound::None;
    }
    const void* view = MapViewOfFile(record.get(), FILE_MAP_READ, 0, 0, 0);
    if (!view)
        return RecordFound::Foreign;
    MEMORY_BASIC_INFORMATION region{};
    uint32_t mainWnd = 0;
    // Read only where it cannot fault.
    if (VirtualQuery(view, &region, sizeof region) == sizeof region && region.State == MEM_COMMIT &&
        region.RegionSize >= sizeof(HookShare))
        mainWnd = static_cast<const volatile HookShare*>(view)->MainWnd;
    UnmapViewOfFile(view);
    if (mainWnd == 0)
        return RecordFound::Foreign;
    return IsWindow(reinterpret_cast<HWND>(FieldToHandle(mainWnd))) ? RecordFound::Live : RecordFound::LeftBehind;
}

} // namespace

bool HookRecordHeldElsewhere()
{
    // A copy that has just ended lets go of its mark a moment before its
    // window goes: give that moment before deciding.
    for (int wait = 0;; ++wait) {
        switch (FindRecord()) {
        case RecordFound::None:
        case RecordFound::LeftBehind:
            return false;
        case RecordFound::Foreign:
            return true;
        case RecordFound::Live:
            if (wait == 20)
                return true;
            Sleep(25);
            break;
        }
    }
}

} // namespace lume
