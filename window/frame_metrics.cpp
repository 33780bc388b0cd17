#include "window/frame_metrics.h"

#include "compose/caption_paint.h"
#include "window/window_dpi.h"

namespace lume {

void FrameMetrics::update()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    system_ = FrameMetricsAt(GetSystemMetrics, dpi);
    caption_ = CaptionMetricsFrom(system_);
    perDpi_.clear();
}

CaptionMetrics FrameMetrics::forWindow(HWND window)
{
    const UINT dpi = DpiOfWindow(window);
    if (dpi == 0)
        return caption_;
    auto [entry, added] = perDpi_.try_emplace(dpi);
    if (added)
        entry->second = CaptionMetricsFrom(
            FrameMetricsAt([&](int index) { return MetricAtDpi(index, dpi); }, static_cast<int32_t>(dpi)));
    return entry->second;
}

} // namespace lume
