#include "hooklib/self_paint.h"

#include "compose/caption_drawing.h"
#include "hooklib/look_hold.h"

namespace lume {

namespace {

constexpr int TitleUnits = 257;  // the program's limit: 256 units and the terminator

// The per-DPI calls, where the system has them (Windows 10, version 1607, and Wine).
using DpiForWindow = UINT(WINAPI*)(HWND);
using MetricForDpi = int(WINAPI*)(int, UINT);
struct DpiCalls {
    DpiForWindow dpiForWindow;
    MetricForDpi metricForDpi;
};
constinit DpiCalls Dpi{};
constinit volatile LONG DpiResolved = 0;

const DpiCalls& DpiFunctions() noexcept
{
    if (!DpiResolved) {
        HMODULE user32 = GetModuleHandleA("user32.dll");
        Dpi.dpiForWindow = reinterpret_cast<DpiForWindow>(
            reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
        Dpi.metricForDpi = reinterpret_cast<MetricForDpi>(
            reinterpret_cast<void*>(GetProcAddress(user32, "GetSystemMetricsForDpi")));
        InterlockedExchange(&DpiResolved, 1);
    }
    return Dpi;
}

// The metrics of the window's frame at its own DPI, read again only for
// another DPI; the program's where the system cannot tell.
const CaptionMetrics& MetricsOf(LookHold& hold, HWND window) noexcept
{
    const DpiCalls& calls = DpiFunctions();
    const UINT dpi = calls.dpiForWindow && calls.metricForDpi ? calls.dpiForWindow(window) : 0;
    if (dpi == 0)
        hold.metrics = CaptionMetricsFrom(hold.look.metrics);
    else if (dpi != hold.metricsDpi)
        hold.metrics = CaptionMetricsFrom(
            FrameMetricsAt([&](int index) { return calls.metricForDpi(index, dpi); }, static_cast<int32_t>(dpi)));
    hold.metricsDpi = dpi;
    return hold.metrics;
}

// The look the system has just drawn: for WM_NCACTIVATE its wParam, which is
// also remembered, for it is what the system draws the frame in until the
// next one; for WM_ACTIVATE its own (the foreground may not have changed
// yet). Otherwise the remembered one; failing that, a top-level window in
// front is active, and an MDI child is when its frame is in front and names
// it active.
bool IsActive(LookHold& hold, const CWPRETSTRUCT& observed, uint32_t style) noexcept
{
    HWND window = observed.hwnd;
    if (observed.message == WM_NCACTIVATE) {
        const bool active = observed.wParam != 0;
        for (LookHold::Activation& known : hold.activations)
            if (known.window == window) {
                known.active = active;
                return active;
            }
        hold.activations[hold.nextActivation++ % 8] = {window, active};
        return active;
    }
    if (observed.message == WM_ACTIVATE && !(style & WS_CHILD))
        return LOWORD(observed.wParam) != WA_INACTIVE;
    for (const LookHold::Activation& known : hold.activations)
        if (known.window == window)
            return known.active;
    if (!(style & WS_CHILD))
        return GetForegroundWindow() == window;
    if (GetForegroundWindow() != GetAncestor(window, GA_ROOT))
        return false;
    // The MDI client is in this thread: asked directly, no waiting.
    return reinterpret_cast<HWND>(SendMessageW(GetParent(window), WM_MDIGETACTIVE, 0, 0)) == window;
}

// The pixels a full paint sets less the buttons, and never inside the client
// area; made again only when the frame's geometry changes.
HRGN ClipOf(LookHold& hold, HWND window, const CaptionLayout& layout, bool withLines, const RECT& frame) noexcept
{
    RECT client{};
    POINT origin{};
    if (!GetClientRect(window, &client) || !ClientToScreen(window, &origin))
        return nullptr;
    const int32_t left = origin.x - frame.left, top = origin.y - frame.top;
    const ClipKey key{layout.WindowBox,
                      layout.CaptionRect,
                      {layout.CloseButtonRect, layout.MaxButtonRect, layout.MinButtonRect},
                      layout.Style,
                      layout.ExStyle,
                      layout.FrameX,
                      layout.FrameY,
                      layout.ProtectCloseButton,
                      layout.ProtectOtherButtons,
                      withLines,
                      {left, top, left + client.right, top + client.bottom}};
    if (hold.clip && hold.clipKey == key)
        return hold.clip;
    if (hold.clip)
        DeleteObject(hold.clip);
    hold.clip = CaptionClipRegion(layout, true, withLines, {0, 0});
    HRGN inside = CreateRectRgn(key.client.left, key.client.top, key.client.right, key.client.bottom);
    if (hold.clip && inside)
        CombineRgn(hold.clip, hold.clip, inside, RGN_DIFF);
    if (inside)
        DeleteObject(inside);
    if (hold.clip && !inside) {
        DeleteObject(hold.clip);  // the client area could not be cut out
        hold.clip = nullptr;
    }
    hold.clipKey = key;
    return hold.clip;
}

// A window's class never changes: the last one asked is remembered.
bool IsTty(LookHold& hold, HWND window) noexcept
{
    if (hold.lastWindow != window) {
        char name[8];
        hold.lastWindowIsTty =
            GetClassNameA(window, name, sizeof name) == 3 && name[0] == 't' && name[1] == 't' && name[2] == 'y';
        hold.lastWindow = window;
    }
    return hold.lastWindowIsTty;
}

void Paint(LookHold& hold, const CWPRETSTRUCT& observed, uint32_t style) noexcept
{
    HWND window = observed.hwnd;
    RECT frame{};
    if (!GetWindowRect(window, &frame))
        return;
    const int32_t width = frame.right - frame.left, height = frame.bottom - frame.top;
    if (width <= 0 || height <= 0 || width > CompositionSideLimit || height > CompositionSideLimit)
        return;
    const bool active = IsActive(hold, observed, style);
    const LookSurface& published = hold.look.surfaces[active ? ActiveLook : InactiveLook];
    // The system's own background is taken from the window: only right after
    // the system has drawn it, never over a caption of ours.
    if (published.kind == SurfaceKind::Default && observed.message != WM_NCPAINT &&
        observed.message != WM_NCACTIVATE && observed.message != WM_SETTEXT)
        return;
    const uint32_t exStyle = static_cast<uint32_t>(GetWindowLongW(window, GWL_EXSTYLE));
    const CaptionLayout layout =
        LayoutCaption(width, height, style, exStyle, MetricsOf(hold, window), hold.look.common,
                      hold.look.colours[active ? ActiveLook : InactiveLook], active);
    const CompositionBands bands = ComposedBands(layout);
    if (!hold.composition.prepare(bands.top.width(), bands.height()))
        return;
    const HFONT font = hold.fonts[layout.CaptionFont == CaptionFontKind::Tool ? ToolFontIndex : NormalFontIndex];
    wchar_t title[TitleUnits];
    const int length = font ? InternalGetWindowText(window, title, TitleUnits) : 0;
    HBITMAP surfaceBitmap = hold.surfaces[active ? ActiveLook : InactiveLook];
    const HGDIOBJ previous = surfaceBitmap ? SelectObject(hold.sourceDc, surfaceBitmap) : nullptr;
    if (!hold.sourceOriginal)
        hold.sourceOriginal = previous;
    const SurfaceSource surface{published.kind, surfaceBitmap ? hold.sourceDc : nullptr, published.width,
                                published.height};
    HDC dc = GetWindowDC(window);
    if (!dc)
        return;
    if (HRGN clip = ClipOf(hold, window, layout, font != nullptr, frame)) {
        SelectClipRgn(dc, clip);
        const CaptionText text{font, title, length > 0 ? static_cast<uint32_t>(length) : 0u,
                               hold.look.common.ShadowShift};
        ComposeCaption(hold.composition, layout, bands, surface, text, dc);
        PutComposedCaption(dc, hold.composition, bands);
    }
    ReleaseDC(window, dc);
}

} // namespace

bool IsCaptionRedrawn(UINT message)
{
    switch (message) {
    case WM_NCACTIVATE:
    case WM_NCPAINT:
    case WM_SETTEXT:
    case WM_ACTIVATE:
    case WM_SETICON:
    case WM_INITMENU:
        return true;
    default:
        return false;
    }
}

void PaintOwnCaption(const CWPRETSTRUCT& observed, uint32_t style, uint32_t owner)
{
    if ((style & WS_CHILD) && !IsWindowVisible(observed.hwnd))
        return;  // a child is shown only with all its ancestors
    ClaimedHold claimed;
    LookHold* hold = claimed.withLook(owner);
    if (!hold || IsProgramLeftAlone(*hold) || IsTty(*hold, observed.hwnd))
        return;
    Paint(*hold, observed, style);
}

bool IsThisProcessLeftAlone(uint32_t owner)
{
    ClaimedHold claimed;
    LookHold* hold = claimed.withLook(owner);
    return hold && IsProgramLeftAlone(*hold);
}

} // namespace lume
