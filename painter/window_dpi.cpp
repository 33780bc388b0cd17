#include "painter/window_dpi.h"

#include <map>

#include "compose/caption_paint.h"
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

const DpiFunctions& Functions()
{
    static const DpiFunctions functions;
    return functions;
}

std::map<UINT, CaptionMetrics> PerDpi;

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

CaptionMetrics MetricsForWindow(HWND window, const CaptionMetrics& cached)
{
    const DpiFunctions& f = Functions();
    const UINT dpi = f.dpiForWindow && f.metricForDpi ? f.dpiForWindow(window) : 0;
    if (dpi == 0)
        return cached;
    auto [entry, added] = PerDpi.try_emplace(dpi);
    if (added)
        entry->second = CaptionMetricsFrom(
            FrameMetricsAt([&](int index) { return f.metricForDpi(index, dpi); }, static_cast<int32_t>(dpi)));
    return entry->second;
}

void ForgetMetricsPerDpi() { PerDpi.clear(); }

} // namespace lume
