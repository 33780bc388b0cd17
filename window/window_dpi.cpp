#include "window/window_dpi.h"

#include "ui/late_library.h"

namespace lume {

namespace {

struct DpiFunctions {
    decltype(GetWindowDpiAwarenessContext)* windowContext =
        ui::LateBound<decltype(GetWindowDpiAwarenessContext)>("user32.dll", "GetWindowDpiAwarenessContext");
    decltype(SetThreadDpiAwarenessContext)* setThreadContext =
        ui::LateBound<decltype(SetThreadDpiAwarenessContext)>("user32.dll", "SetThreadDpiAwarenessContext");
    decltype(GetDpiForWindow)* dpiForWindow = ui::LateBound<decltype(GetDpiForWindow)>("user32.dll", "GetDpiForWindow");
    decltype(GetSystemMetricsForDpi)* metricForDpi =
        ui::LateBound<decltype(GetSystemMetricsForDpi)>("user32.dll", "GetSystemMetricsForDpi");
};

// Looked up once per process: the libraries stay loaded while it runs.
const DpiFunctions& Functions()
{
    static const DpiFunctions functions;
    return functions;
}

} // namespace

WindowDpiContext::WindowDpiContext(HWND window)
{
    const DpiFunctions& f = Functions();
    if (f.windowContext && f.setThreadContext)
        if (DPI_AWARENESS_CONTEXT context = f.windowContext(window))
            previous_ = f.setThreadContext(context);
}

WindowDpiContext::~WindowDpiContext()
{
    if (previous_)
        Functions().setThreadContext(previous_);
}

UINT DpiOfWindow(HWND window)
{
    const DpiFunctions& f = Functions();
    return f.dpiForWindow && f.metricForDpi ? f.dpiForWindow(window) : 0;
}

int MetricAtDpi(int index, UINT dpi) { return Functions().metricForDpi(index, dpi); }

} // namespace lume
