#include "hooklib/shared_record.h"

#include "core/win_handles.h"
#include "hooklib/sound_section.h"

namespace lume {

namespace {

constexpr DWORD RetryMilliseconds = 1000;

constinit const HookShare* Record = nullptr;
// Kept open with the view: a name lives only while a handle does, so a record
// whose program was killed stays the one the next start opens and writes,
// and every process that maps it follows.
constinit HANDLE RecordSection = nullptr;
constinit bool RecordSought = false;
constinit DWORD RecordSoughtAt = 0;

// The last MainWnd checked, with what the check found, in one word so that
// threads read it whole: the field, bit 32 a window of the program's, bit 33 checked.
constinit uint64_t CheckedTarget = 0;
constexpr uint64_t TargetValid = 1ull << 32, TargetChecked = 1ull << 33;

// A read-only view of the record, when its section is one the hook may read.
win::MappedView<const HookShare> MapRecord(HANDLE section) noexcept
{
    if (!section)
        return {};
    SIZE_T size = 0;
    return win::ViewAs<const HookShare>(MapSoundView(section, FILE_MAP_READ, sizeof(HookShare), size));
}

} // namespace

const HookShare* SharedRecord() noexcept
{
    if (const HookShare* record = __atomic_load_n(&Record, __ATOMIC_ACQUIRE))
        return record;
    const DWORD now = GetTickCount();
    if (__atomic_load_n(&RecordSought, __ATOMIC_RELAXED) &&
        now - __atomic_load_n(&RecordSoughtAt, __ATOMIC_RELAXED) < RetryMilliseconds)
        return nullptr;
    __atomic_store_n(&RecordSoughtAt, now, __ATOMIC_RELAXED);
    __atomic_store_n(&RecordSought, true, __ATOMIC_RELAXED);
    win::KernelHandle section(OpenFileMappingA(FILE_MAP_READ | SECTION_QUERY, FALSE, HookShareName));
    win::MappedView<const HookShare> mapped = MapRecord(section.get());
    if (!mapped)
        return nullptr;
    const HookShare* none = nullptr;
    if (!__atomic_compare_exchange_n(&Record, &none, mapped.get(), false, __ATOMIC_ACQ_REL, __ATOMIC_ACQUIRE))
        return none;  // another thread mapped it first: this view and handle are given back
    RecordSection = section.release();
    return mapped.release();
}

void ExpectSharedRecord() noexcept
{
    __atomic_store_n(&RecordSought, false, __ATOMIC_RELAXED);
}

HWND NotifiedWindow(uint32_t field) noexcept
{
    HWND window = reinterpret_cast<HWND>(FieldToHandle(field));
    const uint64_t known = __atomic_load_n(&CheckedTarget, __ATOMIC_RELAXED);
    if ((known & TargetChecked) && static_cast<uint32_t>(known) == field)
        return (known & TargetValid) ? window : nullptr;
    // Only CreateDLLInst marks a window, in the program's own process: a
    // record written by anyone else names no window a hook will post to.
    const bool valid = field != 0 && window != HWND_BROADCAST && GetPropA(window, HookTargetPropertyName);
    __atomic_store_n(&CheckedTarget, field | TargetChecked | (valid ? TargetValid : 0), __ATOMIC_RELAXED);
    return valid ? window : nullptr;
}

void ForgetNotifiedWindow() noexcept
{
    __atomic_store_n(&CheckedTarget, 0, __ATOMIC_RELAXED);
}

void ReleaseSharedRecord() noexcept
{
    const win::MappedView<const HookShare> record(__atomic_exchange_n(&Record, nullptr, __ATOMIC_ACQ_REL));
    win::CloseKept<win::KernelHandle>(RecordSection);
}

} // namespace lume
