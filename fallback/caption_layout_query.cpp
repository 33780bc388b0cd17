#include "fallback/caption_layout_query.h"

#include "compose/caption_paint.h"
#include "compose/window_rules.h"
#include "core/win_constants.h"

namespace lume {

static_assert(win::WsThickFrame == WS_THICKFRAME && win::WsMinimizeBox == WS_MINIMIZEBOX &&
              win::WsMaximizeBox == WS_MAXIMIZEBOX && win::WsChild == WS_CHILD);
static_assert(win::WsExToolWindow == WS_EX_TOOLWINDOW && win::WsExContextHelp == WS_EX_CONTEXTHELP);

namespace {

constexpr DWORD SilentPauseMs = 2000;

} // namespace

bool CaptionLayoutQuery::isActive(HWND window, uint32_t style)
{
    HWND client = GetParent(window);
    return IsCaptionShownActive(
        style, [&] { return GetForegroundWindow() == window; },
        [&] { return GetParent(client) == GetForegroundWindow(); },
        [&] { return isClientsActiveChild(client, window); });
}

bool CaptionLayoutQuery::isClientsActiveChild(HWND client, HWND window)
{
    if (client == silentClient_ && GetTickCount() - silentSince_ < SilentPauseMs)
        return false;
    DWORD_PTR activeChild = 0;
    if (!SendMessageTimeoutA(client, WM_MDIGETACTIVE, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, MdiQueryTimeoutMs,
                             &activeChild)) {
        silentClient_ = client;
        silentSince_ = GetTickCount();
        return false;
    }
    return reinterpret_cast<HWND>(activeChild) == window;
}

CaptionLayout CaptionLayoutQuery::layoutOf(HWND window, uint32_t style, const CaptionSettings& settings)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    auto exStyle = static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));
    CaptionLayout layout = LayoutCaption(frame.right - frame.left, frame.bottom - frame.top, style, exStyle,
                                         metrics_.forWindow(window), settings, isActive(window, style));
    layout.WindowRect = {frame.left, frame.top, frame.right, frame.bottom};
    return layout;
}

} // namespace lume
