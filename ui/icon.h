// An icon object: a handle it owns (or none), and a change notification
// fired after every change of its image.
#pragma once
#include <windows.h>

#include <functional>

namespace lume::ui {

class Icon {
public:
    Icon() = default;
    ~Icon() { destroy(); }
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    HICON handle() const { return handle_; }
    bool empty() const { return handle_ == nullptr; }

    // Takes a copy of the other icon's image.
    void assign(HICON image)
    {
        destroy();
        handle_ = image ? CopyIcon(image) : nullptr;
        changed();
    }
    // Lets go of the image (the handle is destroyed)...
    void releaseHandle()
    {
        destroy();
        changed();
    }
    // ...and takes the given handle as its own (0: none).
    void setHandle(HICON handle)
    {
        destroy();
        handle_ = handle;
        changed();
    }

    std::function<void()> onChange;

private:
    void destroy()
    {
        if (handle_)
            DestroyIcon(handle_);
        handle_ = nullptr;
    }
    void changed()
    {
        if (onChange)
            onChange();
    }

    HICON handle_ = nullptr;
};

} // namespace lume::ui
