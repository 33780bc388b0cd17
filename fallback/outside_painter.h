// The painter from outside: the program's own thread composes the caption of
// a window no hook paints (another bitness or integrity level, a window that
// does not answer, or every window while the hook is refused) and puts it on
// the window's DC. It also follows the hook's notifications for those
// windows: one paint per run, a settle repaint, the captions laid bare.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <unordered_map>

#include "core/mends.h"
#include "fallback/caption_layout_query.h"
#include "fallback/caption_notifications.h"
#include "fallback/composition_bitmap.h"
#include "look/look_parts.h"
#include "window/frame_metrics.h"
#include "window/window_style.h"

namespace lume {

class OutsidePainter {
public:
    using ShownLook = std::function<LookParts()>;

    // Timers go to `mainWindow`; `shownLook` gives the look to paint in,
    // `sweep` repaints every caption. Only a test build switches `mends` off.
    OutsidePainter(HWND mainWindow, const Mends& mends, FrameMetrics& metrics, ShownLook shownLook,
                   std::function<void()> sweep);
    OutsidePainter(const OutsidePainter&) = delete;
    OutsidePainter& operator=(const OutsidePainter&) = delete;

    // Whether the hook paints the captions of the windows it reaches: while
    // it is in place and the look is published.
    void setHookPaints(bool on);
    bool hookPaints() const { return hookPaints_; }

    // Paints the window's caption from here, in the shown look: in full, or
    // only the strip of its buttons.
    void paint(HWND window, bool fullRepaint, uint32_t style);
    void paint(HWND window, bool fullRepaint) { paint(window, fullRepaint, StyleOf(window)); }
    // The window's caption in the shown look: by its own thread where the
    // hook paints there (its frame's repaint is queued), else from here.
    void refresh(HWND window, uint32_t style);
    // The layout a paint from here gives the window now.
    CaptionLayout layoutOf(HWND window);

    CaptionNotifications& notifications() { return notifications_; }

private:
    // Whether the window's class is one never painted, asked of the system
    // once per window: a window's class never changes.
    bool isTty(HWND window);

    ShownLook shownLook_;
    CaptionLayoutQuery layouts_;
    CompositionBitmap composition_;  // every caption is composed in it
    std::unordered_map<HWND, bool> ttys_;
    bool childrenThroughRoot_;
    bool hookPaints_;
    CaptionNotifications notifications_;
};

} // namespace lume
