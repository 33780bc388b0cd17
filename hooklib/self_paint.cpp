#include "hooklib/self_paint.h"

#include "compose/caption_drawing.h"
#include "compose/window_rules.h"
#include "core/win_handles.h"
#include "hooklib/composed_frame.h"
#include "hooklib/hook_protocol.h"
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
// Resolved once per process, at its first paint.
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

// The look each of the last windows of this process was told to draw by
// WM_NCACTIVATE: what the system draws its frame in until the next one, known
// without asking who is in front. One word each, so that threads read it
// whole: the window's 32 significant bits, bit 32 active, bit 33 in use.
constexpr uint64_t ActivationActive = 1ull << 32, ActivationUsed = 1ull << 33;
constinit uint64_t Activations[16]{};
constinit volatile LONG NextActivation = 0;

void RememberActivation(HWND window, bool active) noexcept
{
    const uint64_t known = HandleToField(reinterpret_cast<uintptr_t>(window)) | ActivationUsed |
                           (active ? ActivationActive : 0);
    for (uint64_t& entry : Activations)
        if (static_cast<uint32_t>(__atomic_load_n(&entry, __ATOMIC_RELAXED)) == static_cast<uint32_t>(known)) {
            __atomic_store_n(&entry, known, __ATOMIC_RELAXED);
            return;
        }
    const uint32_t slot = static_cast<uint32_t>(InterlockedIncrement(&NextActivation)) % 16;
    __atomic_store_n(&Activations[slot], known, __ATOMIC_RELAXED);
}

// 1 active, 0 inactive, -1 not known.
int RememberedActivation(HWND window) noexcept
{
    const uint32_t field = HandleToField(reinterpret_cast<uintptr_t>(window));
    for (const uint64_t& entry : Activations) {
        const uint64_t known = __atomic_load_n(&entry, __ATOMIC_RELAXED);
        if ((known & ActivationUsed) && static_cast<uint32_t>(known) == field)
            return (known & ActivationActive) ? 1 : 0;
    }
    return -1;
}

// The look the system has just drawn: for WM_NCACTIVATE its wParam, which is
// also remembered; for WM_ACTIVATE its own (the foreground may not have
// changed yet). Otherwise the remembered one; failing that, the shared rule,
// with the frame of an MDI child its root window and its MDI client asked
// only when it is of this thread.
bool IsActive(const CWPRETSTRUCT& observed, uint32_t style) noexcept
{
    HWND window = observed.hwnd;
    if (observed.message == WM_NCACTIVATE) {
        RememberActivation(window, observed.wParam != 0);
        return observed.wParam != 0;
    }
    if (observed.message == WM_ACTIVATE && !(style & WS_CHILD))
        return LOWORD(observed.wParam) != WA_INACTIVE;
    if (const int known = RememberedActivation(window); known >= 0)
        return known == 1;
    return IsCaptionShownActive(
        style, [window] { return GetForegroundWindow() == window; },
        [window] { return GetForegroundWindow() == GetAncestor(window, GA_ROOT); },
        [window] {
            // A window of another thread could keep this one waiting: never sent to.
            HWND parent = GetParent(window);
            return GetWindowThreadProcessId(parent, nullptr) == GetCurrentThreadId() &&
                   reinterpret_cast<HWND>(SendMessageW(parent, WM_MDIGETACTIVE, 0, 0)) == window;
        });
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
    win::CloseKept<win::GdiObject<HRGN>>(hold.clip);
    win::GdiObject<HRGN> clip(CaptionClipRegion(layout, true, withLines, {0, 0}));
    const win::GdiObject<HRGN> inside(
        CreateRectRgn(key.client.left, key.client.top, key.client.right, key.client.bottom));
    if (!inside)
        clip.reset();  // the client area could not be cut out
    else if (clip)
        CombineRgn(clip.get(), clip.get(), inside.get(), RGN_DIFF);
    hold.clip = clip.release();
    hold.clipKey = key;
    return hold.clip;
}

// A window's class never changes: the last one asked is remembered.
bool IsNeverPaintedWindow(LookHold& hold, HWND window) noexcept
{
    if (hold.lastWindow != window) {
        char name[8] = {};  // a longer name comes back cut, never as "tty"
        GetClassNameA(window, name, sizeof name);
        hold.lastWindowNeverPainted = IsNeverPaintedClass(name);
        hold.lastWindow = window;
    }
    return hold.lastWindowNeverPainted;
}

// Composes the window's caption in its `active` look or the other; with
// `put`, puts it on the window, else only makes ready what its first paint
// will need.
void Paint(LookHold& hold, const CWPRETSTRUCT& observed, uint32_t style, bool active, bool put) noexcept
{
    HWND window = observed.hwnd;
    const uint32_t exStyle = static_cast<uint32_t>(GetWindowLongW(window, GWL_EXSTYLE));
    if (exStyle & WS_EX_LAYOUTRTL)
        return;  // a mirrored frame keeps the system's look: its text would come out mirrored
    RECT frame{};
    if (!GetWindowRect(window, &frame))
        return;
    const int32_t width = frame.right - frame.left, height = frame.bottom - frame.top;
    if (width <= 0 || height <= 0 || width > CompositionSideLimit || height > CompositionSideLimit)
        return;
    const LookSurface& published = hold.look.surfaces[active ? ActiveLook : InactiveLook];
    // The system's own background is taken from the window: only right after
    // the system has drawn it, never over a caption of ours.
    if (published.kind == SurfaceKind::Default && observed.message != WM_NCPAINT &&
        observed.message != WM_NCACTIVATE && observed.message != WM_SETTEXT && put)
        return;
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
    const CaptionText text{font, title, length > 0 ? static_cast<uint32_t>(length) : 0u,
                           hold.look.common.ShadowShift};
    if (!put) {
        // The fonts realised and the surfaces drawn once, off the screen.
        ComposeCaption(hold.composition, layout, bands, surface, text, nullptr);
        return;
    }
    const win::WindowDc dc(window, GetWindowDC(window));
    if (!dc)
        return;
    if (HRGN clip = ClipOf(hold, window, layout, font != nullptr, frame)) {
        SelectClipRgn(dc.get(), clip);
        ComposeCaption(hold.composition, layout, bands, surface, text, dc.get());
        PutComposedCaption(dc.get(), hold.composition, bands);
    }
}

void PaintOrPrepare(const CWPRETSTRUCT& observed, uint32_t style, uint32_t owner, bool put) noexcept
{
    ClaimedHold claimed;
    LookHold* hold = claimed.withLook(owner);
    if (!hold || IsNeverPaintedWindow(*hold, observed.hwnd))
        return;
    if (IsProgramLeftAlone(*hold)) {
        UndoComposedFrame(observed.hwnd);  // left alone since its frame was changed
        return;
    }
    const bool active = IsActive(observed, style);
    // A frame the window manager draws shows nothing painted under it.
    if (!SettleComposedFrame(observed.hwnd, style, hold->look, active, owner))
        Paint(*hold, observed, style, active, put);
}

} // namespace

void PaintOwnCaption(const CWPRETSTRUCT& observed, uint32_t style, uint32_t owner, bool ownerSeen)
{
    if ((style & WS_CHILD) && !IsWindowVisible(observed.hwnd))
        return;  // a child is shown only with all its ancestors
    // A program killed since the last post leaves its look behind, never retired.
    if (!ownerSeen && !IsWindow(reinterpret_cast<HWND>(FieldToHandle(owner))))
        return;
    PaintOrPrepare(observed, style, owner, true);
}

void PrepareOwnCaption(const CWPRETSTRUCT& created, uint32_t style, uint32_t owner)
{
    PaintOrPrepare(created, style, owner, false);
}

bool IsThisProcessLeftAlone(uint32_t owner)
{
    ClaimedHold claimed;
    LookHold* hold = claimed.withLook(owner);
    return hold && IsProgramLeftAlone(*hold);
}

} // namespace lume
