// Owners of Win32 handles, for the program and for the hook library alike:
// they need only <windows.h> and <utility>, never allocate or throw, and have
// nothing to run before main. The pure files of core/ never include this
// header; only the files that work with Win32 do.
//
// An owner releases its handle in its destructor, moves, and never copies.
// Borrowed handles stay plain.
#pragma once
#include <windows.h>

#include <utility>

namespace lume::win {

template <class Handle, auto Close>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
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

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    Handle release() noexcept { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) noexcept
    {
        Handle old = std::exchange(handle_, handle);
        if (old != nullptr)
            Close(old);
    }

private:
    Handle handle_ = nullptr;
};

inline void DeleteGdiObject(HGDIOBJ object) noexcept { DeleteObject(object); }
inline void DeleteMemoryDc(HDC dc) noexcept { DeleteDC(dc); }
inline void CloseKernelHandle(HANDLE handle) noexcept { CloseHandle(handle); }
inline void UnmapView(const void* view) noexcept { UnmapViewOfFile(view); }

template <class Object>
using GdiObject = UniqueHandle<Object, &DeleteGdiObject>;
// A DC of CreateCompatibleDC.
using MemoryDcHandle = UniqueHandle<HDC, &DeleteMemoryDc>;
using KernelHandle = UniqueHandle<HANDLE, &CloseKernelHandle>;
// A view of a section, taken as `View`s.
template <class View = void>
using MappedView = UniqueHandle<View*, &UnmapView>;

// The same view, taken as `View`s.
template <class View>
MappedView<View> ViewAs(MappedView<>&& view) noexcept
{
    return MappedView<View>(static_cast<View*>(view.release()));
}

// Closes a handle kept in plain module state, which has no destructor to run
// (the hook library's holds live in every process and must not): the field
// is emptied and its handle given to an `Owner` for as long as closing takes.
template <class Owner, class Handle>
void CloseKept(Handle& kept) noexcept
{
    Owner closing(std::exchange(kept, Handle{}));
}

// An object selected into a DC for one scope: the DC's previous object is put
// back when it ends. Nothing is selected into a null DC or for a null object.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    // A selection made earlier and kept in plain state, whose previous object
    // is `previous`: put back when this ends.
    static SelectedObject TakenOver(HDC dc, HGDIOBJ previous) noexcept { return {dc, previous, Taken{}}; }
    ~SelectedObject()
    {
        if (dc_ && previous_)
            SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

    // False when nothing was selected.
    explicit operator bool() const noexcept { return previous_ != nullptr; }

private:
    struct Taken {};
    SelectedObject(HDC dc, HGDIOBJ previous, Taken) noexcept : dc_(dc), previous_(previous) {}

    HDC dc_;
    HGDIOBJ previous_;
};

// A DC that belongs to a window, given back with ReleaseDC.
class WindowDc {
public:
    WindowDc(HWND window, HDC dc) noexcept : window_(window), dc_(dc) {}
    ~WindowDc()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(WindowDc&& other) noexcept : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc& operator=(WindowDc&&) = delete;

    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// A memory DC with one bitmap selected, put back and deleted at the end; no
// DC at all when the bitmap could not be selected.
class MemoryDc {
public:
    explicit MemoryDc(HBITMAP bitmap) noexcept : dc_(CreateCompatibleDC(nullptr)), selected_(dc_.get(), bitmap) {}
    HDC get() const noexcept { return selected_ ? dc_.get() : nullptr; }

private:
    MemoryDcHandle dc_;
    SelectedObject selected_;  // put back before the DC goes
};

} // namespace lume::win
