// Owners of Win32 handles: each releases its handle in its destructor, moves,
// and never copies. Borrowed handles stay plain.
#pragma once
#include <windows.h>

#include <utility>

namespace lume::ui {

template <class Handle, auto Close>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr)
    {
        Handle old = std::exchange(handle_, handle);
        if (old != nullptr)
            Close(old);
    }

private:
    Handle handle_ = nullptr;
};

inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void CloseKernelHandle(HANDLE handle) { CloseHandle(handle); }
inline void DestroyMenuHandle(HMENU menu) { DestroyMenu(menu); }
inline void CloseRegistryKey(HKEY key) { RegCloseKey(key); }
inline void ReleaseAndCloseMutex(HANDLE mutex)
{
    ReleaseMutex(mutex);
    CloseHandle(mutex);
}

template <class Object>
using GdiObject = UniqueHandle<Object, &DeleteGdiObject>;

using FontHandle = GdiObject<HFONT>;
using BitmapHandle = GdiObject<HBITMAP>;
using RegionHandle = GdiObject<HRGN>;
using KernelHandle = UniqueHandle<HANDLE, &CloseKernelHandle>;
using MenuHandle = UniqueHandle<HMENU, &DestroyMenuHandle>;
using RegistryKey = UniqueHandle<HKEY, &CloseRegistryKey>;
// A mutex this thread owns: let go of, then closed.
using OwnedMutex = UniqueHandle<HANDLE, &ReleaseAndCloseMutex>;

// A DC that belongs to a window, given back with ReleaseDC.
class WindowDc {
public:
    WindowDc(HWND window, HDC dc) : window_(window), dc_(dc) {}
    ~WindowDc()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(WindowDc&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc& operator=(WindowDc&&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// A memory DC with one bitmap selected, put back and deleted at the end.
class MemoryDc {
public:
    explicit MemoryDc(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr))
    {
        if (dc_ && bitmap)
            previous_ = SelectObject(dc_, bitmap);
    }
    ~MemoryDc()
    {
        if (previous_)
            SelectObject(dc_, previous_);
        if (dc_)
            DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return previous_ ? dc_ : nullptr; }

private:
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};

} // namespace lume::ui
