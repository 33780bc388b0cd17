#include "hooklib/sound_section.h"

namespace lume {

namespace {

// The system's own description of a section; kernel32 has no call for it.
struct SectionBasics {
    void* base;
    ULONG attributes;
    LARGE_INTEGER size;
};
using QuerySection = LONG(WINAPI*)(HANDLE, int, void*, SIZE_T, SIZE_T*);
constexpr int SectionBasicInformation = 0;

bool IsPagingFileSection(HANDLE section) noexcept
{
    // Asked once per section mapped, so not worth keeping.
    const auto query = reinterpret_cast<QuerySection>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySection")));
    SectionBasics basics{};
    return query && query(section, SectionBasicInformation, &basics, sizeof basics, nullptr) >= 0 &&
           !(basics.attributes & (SEC_FILE | SEC_IMAGE));
}

bool IsCommittedView(const void* view, SIZE_T minimum, bool writable, SIZE_T& size) noexcept
{
    MEMORY_BASIC_INFORMATION info{};
    const DWORD readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY;
    if (VirtualQuery(view, &info, sizeof info) != sizeof info || info.BaseAddress != view ||
        info.State != MEM_COMMIT || info.Type != MEM_MAPPED || (info.Protect & (PAGE_GUARD | PAGE_NOACCESS)) ||
        !(info.Protect & (writable ? PAGE_READWRITE : readable)) || info.RegionSize < minimum)
        return false;
    size = info.RegionSize;
    return true;
}

} // namespace

win::MappedView<> MapSoundView(HANDLE section, DWORD access, SIZE_T minimum, SIZE_T& size) noexcept
{
    win::MappedView<> view(IsPagingFileSection(section) ? MapViewOfFile(section, access, 0, 0, 0) : nullptr);
    if (view && !IsCommittedView(view.get(), minimum, (access & FILE_MAP_WRITE) != 0, size))
        view.reset();
    return view;
}

} // namespace lume
