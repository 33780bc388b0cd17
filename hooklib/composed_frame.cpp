#include "hooklib/composed_frame.h"

#include "hooklib/hook_protocol.h"

namespace lume {

namespace {

// The window manager's attributes and values used here.
constexpr DWORD NcRenderingEnabled = 1, NcRenderingPolicy = 2;
constexpr DWORD BorderColour = 34, CaptionColour = 35, TextColour = 36;
constexpr DWORD PolicyUseWindowStyle = 0, PolicyDisabled = 1;
// Never a colour the hook gives: what an evicted record knows of the colours.
constexpr Color UnknownColour = 0xFFFFFFFEu;

using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
using GetAttribute = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using DpiForWindow = UINT(WINAPI*)(HWND);

struct SystemCalls {
    SetAttribute setAttribute;
    GetAttribute getAttribute;
    AdjustForDpi adjustForDpi;
    DpiForWindow dpiForWindow;
};
// The state below is one per process: the library is loaded once into each,
// and it is plain data, set up without the runtime's constructors.
constinit SystemCalls Calls{};
constinit volatile LONG CallsResolved = 0;
// The first colour call of the process was refused (Windows before 11): no more are made.
constinit bool ColoursRefused = false;
constinit bool ColoursTaken = false;
constinit UINT UndoMessage = 0;
// The program that asked for its frames back as it left: its look, still
// published until it goes, changes no frame again.
constinit uint32_t LeavingOwner = 0;

const SystemCalls& System() noexcept
{
    if (!CallsResolved) {
        // Kept for the process's life: another thread may be in a call.
        if (HMODULE dwm = LoadLibraryA("dwmapi.dll")) {
            Calls.setAttribute = reinterpret_cast<SetAttribute>(
                reinterpret_cast<void*>(GetProcAddress(dwm, "DwmSetWindowAttribute")));
            Calls.getAttribute = reinterpret_cast<GetAttribute>(
                reinterpret_cast<void*>(GetProcAddress(dwm, "DwmGetWindowAttribute")));
        }
        HMODULE user32 = GetModuleHandleA("user32.dll");
        Calls.adjustForDpi = reinterpret_cast<AdjustForDpi>(
            reinterpret_cast<void*>(GetProcAddress(user32, "AdjustWindowRectExForDpi")));
        Calls.dpiForWindow =
            reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
        InterlockedExchange(&CallsResolved, 1);
    }
    return Calls;
}

// What the hook knows of one window's frame, for the last windows of this
// process that it painted: asked once, not at every paint.
struct FrameRecord {
    HWND window;
    bool shapeKnown;
    bool systemCaption;  // top-level, captioned, the system's caption where it puts it
    bool renderingKnown;
    bool composed;  // the window manager draws the frame
    uintptr_t given;  // FrameGivenColours | FrameGivenClassic, as the window's property says
    Color colours[3];  // border, caption and text, as last given
};
constexpr uint32_t RecordCount = 256;
constinit FrameRecord Records[RecordCount]{};
constinit volatile LONG NextRecord = 0;

FrameRecord* FoundRecord(HWND window) noexcept
{
    for (FrameRecord& record : Records)
        if (record.window == window)
            return &record;
    return nullptr;
}

FrameRecord& RecordOf(HWND window) noexcept
{
    if (FrameRecord* found = FoundRecord(window))
        return *found;
    FrameRecord& record = Records[static_cast<uint32_t>(InterlockedIncrement(&NextRecord)) % RecordCount];
    record = {};
    record.window = window;
    // What the window was given before its record made way for another's.
    record.given = reinterpret_cast<uintptr_t>(GetPropA(window, FramePropertyName));
    const Color known = (record.given & FrameGivenColours) ? UnknownColour : SystemFrameColour;
    for (Color& colour : record.colours)
        colour = known;
    return record;
}

void SetGiven(FrameRecord& record, uintptr_t given) noexcept
{
    if (given == record.given)
        return;
    record.given = given;
    if (given)
        SetPropA(record.window, FramePropertyName, reinterpret_cast<HANDLE>(given));
    else
        RemovePropA(record.window, FramePropertyName);
}

bool Tell(HWND window, DWORD attribute, DWORD value) noexcept
{
    const SystemCalls& calls = System();
    return calls.setAttribute && calls.setAttribute(window, attribute, &value, sizeof value) == S_OK;
}

// Any answer but a plain yes is a classic frame, as under Wine.
bool IsComposed(HWND window) noexcept
{
    const SystemCalls& calls = System();
    BOOL enabled = FALSE;
    return calls.getAttribute && calls.getAttribute(window, NcRenderingEnabled, &enabled, sizeof enabled) == S_OK &&
           enabled;
}

// A program that draws its own title bar extends its client area over the
// caption: the client's top is not where the system puts it for the frame.
bool HasSystemCaption(HWND window, uint32_t style) noexcept
{
    if ((style & WS_CHILD) || (style & WS_CAPTION) != WS_CAPTION)
        return false;
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    RECT box{}, frame{};
    POINT client{};
    if ((exStyle & WS_EX_LAYERED) || GetWindowRgnBox(window, &box) != ERROR || !GetWindowRect(window, &frame) ||
        !ClientToScreen(window, &client))
        return false;
    const SystemCalls& calls = System();
    RECT expected{};
    const BOOL adjusted = calls.adjustForDpi && calls.dpiForWindow
                              ? calls.adjustForDpi(&expected, style, FALSE, exStyle, calls.dpiForWindow(window))
                              : AdjustWindowRectEx(&expected, style, FALSE, exStyle);
    return adjusted && client.y - frame.top >= -expected.top;
}

void GiveColours(FrameRecord& record, const LookCopy& look, bool active) noexcept
{
    const uint32_t shown = active ? ActiveLook : InactiveLook;
    const Color wanted[3] = {look.tint[shown], look.tint[shown], look.colours[shown].Letter};
    constexpr DWORD attributes[3] = {BorderColour, CaptionColour, TextColour};
    for (int i = 0; i < 3 && !ColoursRefused; ++i) {
        if (record.colours[i] == wanted[i])
            continue;
        if (!Tell(record.window, attributes[i], wanted[i])) {
            ColoursRefused = !ColoursTaken;
            return;
        }
        ColoursTaken = true;
        record.colours[i] = wanted[i];
        SetGiven(record, record.given | FrameGivenColours);
    }
}

void UndoColours(FrameRecord& record) noexcept
{
    constexpr DWORD attributes[3] = {BorderColour, CaptionColour, TextColour};
    for (DWORD attribute : attributes)
        Tell(record.window, attribute, SystemFrameColour);
    for (Color& colour : record.colours)
        colour = SystemFrameColour;
    SetGiven(record, record.given & ~FrameGivenColours);
}

void UndoClassic(FrameRecord& record) noexcept
{
    Tell(record.window, NcRenderingPolicy, PolicyUseWindowStyle);
    SetGiven(record, record.given & ~FrameGivenClassic);
    record.renderingKnown = false;
    SetWindowPos(record.window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    RedrawWindow(record.window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

} // namespace

bool SettleComposedFrame(HWND window, uint32_t style, const LookCopy& look, bool active, uint32_t owner) noexcept
{
    if (owner == __atomic_load_n(&LeavingOwner, __ATOMIC_RELAXED))
        return false;
    const ComposedFrames choice = look.common.Composed;
    FrameRecord& record = RecordOf(window);
    if ((record.given & FrameGivenColours) && choice != ComposedFrames::Tint)
        UndoColours(record);
    if ((record.given & FrameGivenClassic) && choice != ComposedFrames::Classic)
        UndoClassic(record);
    if (choice == ComposedFrames::Leave)
        return false;
    if (!record.shapeKnown) {
        record.systemCaption = HasSystemCaption(window, style);
        record.shapeKnown = true;
    }
    if (!record.systemCaption)
        return false;
    if (!record.renderingKnown) {
        record.composed = IsComposed(window);
        record.renderingKnown = true;
    }
    if (!record.composed)
        return false;
    if (choice == ComposedFrames::Classic) {
        // Told once: the frame may come back only later, and is painted meanwhile.
        if (!(record.given & FrameGivenClassic) && Tell(window, NcRenderingPolicy, PolicyDisabled)) {
            SetGiven(record, record.given | FrameGivenClassic);
            record.renderingKnown = false;
            SetWindowPos(window, nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                             SWP_NOOWNERZORDER);
        }
        return false;
    }
    GiveColours(record, look, active);
    return true;
}

void ForgetFrameRendering(HWND window) noexcept
{
    if (FrameRecord* record = FoundRecord(window))
        record->renderingKnown = false;
}

void UndoComposedFrame(HWND window) noexcept
{
    FrameRecord& record = RecordOf(window);
    if (record.given & FrameGivenColours)
        UndoColours(record);
    if (record.given & FrameGivenClassic)
        UndoClassic(record);
}

void GiveBackFrame(HWND window, uint32_t owner) noexcept
{
    __atomic_store_n(&LeavingOwner, owner, __ATOMIC_RELAXED);
    UndoComposedFrame(window);
}

UINT UndoFrameMessage() noexcept
{
    if (!UndoMessage)
        UndoMessage = RegisterWindowMessageA(UndoFrameMessageName);
    return UndoMessage;
}

} // namespace lume
