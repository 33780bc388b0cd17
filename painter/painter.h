// The caption painter: cached metrics, the layout of one window, and the
// painting of one window's caption from the program's own thread.
#pragma once
#include <windows.h>

#include "compose/caption_layout.h"

namespace lume {

// The window's style bits (GWL_STYLE).
uint32_t StyleOf(HWND window);

// Cached by UpdateCaptionMetrics; all zeros before the first call.
extern CaptionMetrics CachedMetrics;
// The system's values behind them.
extern SystemFrameMetrics CachedSystemMetrics;

void UpdateCaptionMetrics();

// How long an MDI frame of another program may take to name its active child.
constexpr UINT MdiQueryTimeoutMs = 200;

// The window's layout from its rectangle, style bits, active state and the settings.
CaptionLayout ComputeCaptionLayout(HWND window);
// The same, with the window's style read already.
CaptionLayout ComputeCaptionLayout(HWND window, uint32_t style);

// The same window's layout in the given look.
CaptionLayout WithLook(HWND window, const CaptionLayout& layout, bool active);

// Foreground for a top-level window; for a WS_CHILD window, the active MDI
// child of the foreground frame. A frame that does not answer in time:
// inactive, and not asked again for two seconds.
bool IsCaptionActive(HWND window, uint32_t style);

// Under Wine a child window of another process shows nothing drawn through
// its own window DC; it is painted through its top-level window's DC
// instead. False only in a test build that shows the fault.
extern bool PaintChildrenThroughRoot;

// Paints the window's caption: in full, or only the strip of its buttons.
void PaintCaption(HWND window, bool fullRepaint);
// The same, with the window's style read a moment ago (a sweep has it).
void PaintCaption(HWND window, bool fullRepaint, uint32_t style);

} // namespace lume
