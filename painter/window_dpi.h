// A window of another program is painted in its own DPI context, so that its
// rectangle, the metrics of its frame and its DC agree whatever DPI awareness
// it declared. The functions are looked up at run time: without them (before
// Windows 10, version 1607) the program's own context and the metrics cached
// by UpdateCaptionMetrics serve, as they always did.
#pragma once
#include <windows.h>

#include "compose/caption_layout.h"

namespace lume {

// While it lives, this thread runs in the window's DPI awareness context.
class WindowDpiContext {
public:
    explicit WindowDpiContext(HWND window);
    ~WindowDpiContext();
    WindowDpiContext(const WindowDpiContext&) = delete;
    WindowDpiContext& operator=(const WindowDpiContext&) = delete;

private:
    DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

// The caption metrics at the window's DPI, read once for each DPI; `cached`
// when the system cannot say.
CaptionMetrics MetricsForWindow(HWND window, const CaptionMetrics& cached);
// Those read so far are read again at their next use.
void ForgetMetricsPerDpi();

} // namespace lume
