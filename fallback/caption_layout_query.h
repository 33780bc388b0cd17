// The platform side of the caption layout for a window painted from outside:
// its rectangle, styles and active state, and the metrics at its DPI.
#pragma once
#include <windows.h>

#include "compose/caption_layout.h"
#include "settings/caption_settings.h"
#include "window/frame_metrics.h"

namespace lume {

// How long an MDI frame of another program may take to name its active child.
constexpr UINT MdiQueryTimeoutMs = 200;

class CaptionLayoutQuery {
public:
    explicit CaptionLayoutQuery(FrameMetrics& metrics) : metrics_(metrics) {}

    // The window's layout from its rectangle, style bits, active state and `settings`.
    CaptionLayout layoutOf(HWND window, uint32_t style, const CaptionSettings& settings);

    // Foreground for a top-level window; for a WS_CHILD window, the active MDI
    // child of the foreground frame. A frame that does not answer in time:
    // inactive, and not asked again for two seconds.
    bool isActive(HWND window, uint32_t style);

private:
    // Whether the MDI client names `window` its active child.
    bool isClientsActiveChild(HWND client, HWND window);

    FrameMetrics& metrics_;
    // The last MDI client that did not answer in time, and when: asked again
    // only after a while, so that a hung frame costs one wait, not one per paint.
    HWND silentClient_ = nullptr;
    DWORD silentSince_ = 0;
};

} // namespace lume
