// The program's side of the published look: each look in a section of its
// own, unnamed, so that no other process can make or take it first; its
// handle is kept in a property of the main window, from which the hook
// duplicates it out of this process. A look is never written again once
// published, but for the mark that retires it.
#pragma once
#include <windows.h>

#include <cstdint>

#include "publish/look_block.h"
#include "ui/handles.h"

namespace lume {

class LookPublisher {
public:
    LookPublisher() = default;
    ~LookPublisher() { withdraw(); }
    LookPublisher(const LookPublisher&) = delete;
    LookPublisher& operator=(const LookPublisher&) = delete;

    // Publishes `source` as the look of the program whose main window is
    // `owner`, and retires the one before. False when the section could not
    // be made: the hook then paints nothing, and the windows keep the
    // system's look.
    bool publish(HWND owner, LookSource source);
    // No look from now on: every hook paints nothing.
    void withdraw();
    bool isPublished() const { return view_ != nullptr; }
    uint32_t generation() const { return generation_; }
    uint32_t bytes() const { return bytes_; }

private:
    void retire();

    HWND owner_ = nullptr;
    uint32_t generation_ = 0;  // kept here: never read back from a shared page
    ui::KernelHandle section_;
    uint8_t* view_ = nullptr;
    uint32_t bytes_ = 0;
};

} // namespace lume
