// A window of another program is painted in its own DPI context, so that its
// rectangle, the metrics of its frame and its DC agree whatever DPI awareness
// it declared. The functions are looked up at run time: without them (before
// Windows 10, version 1607) the program's own context and the metrics of the
// screen serve, as they always did.
#pragma once
#include <windows.h>

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

// The window's DPI; 0 when the system cannot say.
UINT DpiOfWindow(HWND window);
// A system metric at `dpi`, for a DPI DpiOfWindow gave.
int MetricAtDpi(int index, UINT dpi);

} // namespace lume
