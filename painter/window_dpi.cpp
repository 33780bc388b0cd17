#include "painter/window_dpi.h"

#include <map>

#include "ui/late_library.h"

namespace lume {

namespace {

struct DpiFunctions {
    using WindowContext = DPI_AWARENESS_CONTEXT WINAPI(HWND);
    using SetThreadContext = DPI_AWARENESS_CONTEXT WINAPI(DPI_AWARENESS_CONTEXT);
    using DpiForWindow = UINT WINAPI(HWND);
    using MetricForDpi = int WINAPI(int, UINT);

    WindowContext* windowContext = ui::LateBound<WindowContext>("user32.dll", "GetWindowDpiAwarenessContext");
    SetThreadContext* setThreadContext = ui::LateBound<SetThreadContext>("user32.dll", "SetThreadDpiAwarenessContext");
    DpiForWindow* dpiForWindow = ui::LateBound<DpiForWindow>("user32.dll", "GetDpiForWindow");
    MetricForDpi* metricForDpi = ui::LateBound<MetricForDpi>("user32.dll", "GetSystemMetricsForDpi");
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
    if (added) {
        auto metric = [&](int index) { return f.metricForDpi(index, dpi); };
        entry->second = CaptionMetricsFrom({metric(SM_CXFRAME), metric(SM_CYFRAME), metric(SM_CXDLGFRAME),
                                            metric(SM_CYDLGFRAME), metric(SM_CYCAPTION), metric(SM_CYSMCAPTION),
                                            static_cast<int32_t>(dpi)});
    }
    return entry->second;
}

void ForgetMetricsPerDpi() { PerDpi.clear(); }

} // namespace lume
