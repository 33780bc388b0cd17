#include "look/look_publisher.h"

#include <cstddef>
#include <cstring>

#include "hooklib/hook_protocol.h"

namespace lume {

bool LookPublisher::publish(HWND owner, LookSource source)
{
    DWORD process = GetCurrentProcessId();
    source.owner = HandleToField(reinterpret_cast<uintptr_t>(owner));
    source.ownerProcess = process;
    source.generation = ++generation_;
    const std::vector<uint8_t> block = LookBlock(source);
    ui::KernelHandle section(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                static_cast<DWORD>(block.size()), nullptr));
    void* view = section ? MapViewOfFile(section.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0) : nullptr;
    if (!view) {
        withdraw();
        return false;
    }
    std::memcpy(view, block.data(), block.size());
    // Only a complete look is ever named.
    __atomic_thread_fence(__ATOMIC_RELEASE);
    if (!SetPropA(owner, LookPropertyName, section.get())) {
        UnmapViewOfFile(view);
        withdraw();
        return false;
    }
    retire();
    owner_ = owner;
    section_ = std::move(section);
    view_ = static_cast<uint8_t*>(view);
    bytes_ = static_cast<uint32_t>(block.size());
    return true;
}

void LookPublisher::withdraw()
{
    if (owner_)
        RemovePropA(owner_, LookPropertyName);
    retire();
}

void LookPublisher::retire()
{
    if (!view_)
        return;
    // A hook holding this look sees the mark at its next paint and looks again.
    __atomic_store_n(reinterpret_cast<uint32_t*>(view_ + offsetof(PublishedLook, retired)), 1u, __ATOMIC_RELEASE);
    UnmapViewOfFile(view_);
    view_ = nullptr;
    section_.reset();
    bytes_ = 0;
}

} // namespace lume
