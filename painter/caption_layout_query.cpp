// The platform side of the caption layout: system metrics, and the window's
// rectangle, styles and active state.
#include "compose/caption_paint.h"
#include "core/win_constants.h"
#include "painter/painter.h"
#include "painter/shown_look.h"
#include "painter/window_dpi.h"

namespace lume {

static_assert(win::WsThickFrame == WS_THICKFRAME && win::WsMinimizeBox == WS_MINIMIZEBOX &&
              win::WsMaximizeBox == WS_MAXIMIZEBOX && win::WsChild == WS_CHILD);
static_assert(win::WsExToolWindow == WS_EX_TOOLWINDOW && win::WsExContextHelp == WS_EX_CONTEXTHELP);

CaptionMetrics CachedMetrics;
SystemFrameMetrics CachedSystemMetrics{};

namespace {

// The last MDI client that did not answer in time, and when: asked again only
// after a while, so that a hung frame costs one wait, not one per paint.
HWND SilentClient;
DWORD SilentSince;
constexpr DWORD SilentPauseMs = 2000;

} // namespace

void UpdateCaptionMetrics()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    CachedSystemMetrics = FrameMetricsAt(GetSystemMetrics, dpi);
    CachedMetrics = CaptionMetricsFrom(CachedSystemMetrics);
    ForgetMetricsPerDpi();
}

bool IsCaptionActive(HWND window, uint32_t style)
{
    if (!(style & WS_CHILD))
        return GetForegroundWindow() == window;
    // Taken for an MDI child: its frame must be in front and name it active.
    HWND client = GetParent(window);
    if (GetParent(client) != GetForegroundWindow())
        return false;
    if (client == SilentClient && GetTickCount() - SilentSince < SilentPauseMs)
        return false;
    DWORD_PTR activeChild = 0;
    if (!SendMessageTimeoutA(client, WM_MDIGETACTIVE, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, MdiQueryTimeoutMs,
                             &activeChild)) {
        SilentClient = client;
        SilentSince = GetTickCount();
        return false;
    }
    return reinterpret_cast<HWND>(activeChild) == window;
}

uint32_t StyleOf(HWND window) { return static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE)); }

CaptionLayout ComputeCaptionLayout(HWND window) { return ComputeCaptionLayout(window, StyleOf(window)); }

CaptionLayout ComputeCaptionLayout(HWND window, uint32_t style)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    auto exStyle = static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));
    CaptionLayout layout = LayoutCaption(frame.right - frame.left, frame.bottom - frame.top, style, exStyle,
                                         MetricsForWindow(window, CachedMetrics), *ShownLook().settings,
                                         IsCaptionActive(window, style));
    layout.WindowRect = {frame.left, frame.top, frame.right, frame.bottom};
    return layout;
}

} // namespace lume

namespace lume {

CaptionLayout WithLook(HWND window, const CaptionLayout& layout, bool active)
{
    const Rect& frame = layout.WindowRect;
    CaptionLayout other = LayoutCaption(frame.width(), frame.height(), layout.Style, layout.ExStyle,
                                        MetricsForWindow(window, CachedMetrics), *ShownLook().settings, active);
    other.WindowRect = frame;
    return other;
}

} // namespace lume
