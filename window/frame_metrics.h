// The system's frame metrics the captions are laid out with: read at the
// screen's DPI when the program starts and when the user asks, and at each
// window's own DPI where the system can say it.
#pragma once
#include <windows.h>

#include <map>

#include "compose/caption_layout.h"

namespace lume {

class FrameMetrics {
public:
    // Read again from the system; those read per DPI are read again at their next use.
    void update();
    // All zeros before the first update.
    const SystemFrameMetrics& system() const { return system_; }
    const CaptionMetrics& caption() const { return caption_; }
    // The caption metrics at the window's DPI, read once for each DPI; those
    // of the screen when the system cannot say.
    CaptionMetrics forWindow(HWND window);

private:
    SystemFrameMetrics system_{};
    CaptionMetrics caption_{};
    std::map<UINT, CaptionMetrics> perDpi_;
};

} // namespace lume
