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

bool HookRecordHeldElsewhere()
{
    auto exists = [] {
        ui::KernelHandle record(OpenFileMappingA(FILE_MAP_READ, FALSE, HookShareName));
        // A mapping we may not open, or an object of another kind by that
        // name, still keeps the hook library from making the record.
        const DWORD error = GetLastError();
        return record || error == ERROR_ACCESS_DENIED || error == ERROR_INVALID_HANDLE;
    };
    // A copy that has just ended lets go of its mark a moment before the
    // system closes its record: give that moment before deciding. A killed
    // copy's hook holds no record; its mapping went with its process.
    for (int wait = 0; exists(); ++wait) {
        if (wait == 20)
            return true;
        Sleep(25);
    }
    return false;
}

} // namespace lume
