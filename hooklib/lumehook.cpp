// lumehook.dll: loaded into every process with windows while the hook is in
// place. It keeps nothing between calls but its module handle, a read-only
// view of the program's record and the program's look with the few GDI
// objects made from it; it allocates nothing, takes no lock, never waits on
// another thread, and only ever posts to the program's window and paints
// captions in their windows' own threads.
#include "hooklib/lumehook.h"

#include <utility>

#include "core/win_handles.h"
#include "hooklib/classify.h"
#include "hooklib/composed_frame.h"
#include "hooklib/hook_protocol.h"
#include "hooklib/look_hold.h"
#include "hooklib/self_paint.h"
#include "hooklib/shared_record.h"
#include "hooklib/sound_section.h"

namespace {

static_assert(lume::win::WsCaption == WS_CAPTION && lume::win::WsSysMenu == WS_SYSMENU &&
              lume::win::WsVisible == WS_VISIBLE && lume::win::WsMinimize == WS_MINIMIZE &&
              lume::win::WsChild == WS_CHILD);
static_assert(lume::win::WmNcHitTest == WM_NCHITTEST && lume::win::WmInitMenu == WM_INITMENU &&
              lume::win::HtCaption == HTCAPTION && lume::win::HtSysMenu == HTSYSMENU &&
              lume::win::HtLeft == HTLEFT && lume::win::HtBottomRight == HTBOTTOMRIGHT);
static_assert(lume::win::WmWindowPosChanged == WM_WINDOWPOSCHANGED && lume::win::SwpNoSize == SWP_NOSIZE &&
              lume::win::SwpNoMove == SWP_NOMOVE && lume::win::SwpNoZOrder == SWP_NOZORDER &&
              lume::win::SwpShowWindow == SWP_SHOWWINDOW && lume::win::SwpHideWindow == SWP_HIDEWINDOW);

// This library's module in the process: the hook is set with it.
HINSTANCE ModuleInstance;

// Set in the program's own process only, by CreateDLLInst.
HHOOK OwnHook;            // the one hook DestroyDLLInst removes, whatever the record says
HWND OwnTarget;           // the window marked for the hooks' posts
DWORD InstallingThread;   // where the system calls the hook for processes it cannot load into

HHOOK HookOf(const lume::HookShare& share)
{
    return reinterpret_cast<HHOOK>(
        lume::FieldToHandle(__atomic_load_n(&share.HookHandle, __ATOMIC_RELAXED)));
}

// The record for the program to write: made here, or left by a copy of ours
// that ended. Refused when it is not 8 committed, writable bytes of the
// paging file: a section someone else made first under the name.
lume::win::MappedView<lume::HookShare> WritableRecord(HANDLE mapping)
{
    SIZE_T size = 0;
    return lume::win::ViewAs<lume::HookShare>(
        lume::MapSoundView(mapping, FILE_MAP_READ | FILE_MAP_WRITE, sizeof(lume::HookShare), size));
}

// Marks `mainWnd` for the hooks' posts, names it in the record and sets the
// hook. When the system refuses the hook, what was set is put back as it
// was: the mark, the record's window and the installing thread.
bool InstallHook(lume::HookShare& share, HWND mainWnd)
{
    const bool marked = OwnTarget == mainWnd;
    const uint32_t namedBefore = __atomic_load_n(&share.MainWnd, __ATOMIC_ACQUIRE);
    SetPropA(mainWnd, lume::HookTargetPropertyName, reinterpret_cast<HANDLE>(1));
    __atomic_store_n(&share.MainWnd, lume::HandleToField(reinterpret_cast<uintptr_t>(mainWnd)), __ATOMIC_RELEASE);
    const DWORD installedBefore = std::exchange(InstallingThread, GetCurrentThreadId());
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, CALLWNDPROCRETHookProc, ModuleInstance, 0);
    if (!hook) {
        InstallingThread = installedBefore;
        __atomic_store_n(&share.MainWnd, namedBefore, __ATOMIC_RELEASE);
        if (!marked)
            RemovePropA(mainWnd, lume::HookTargetPropertyName);
        return false;
    }
    if (OwnTarget && OwnTarget != mainWnd)
        RemovePropA(OwnTarget, lume::HookTargetPropertyName);
    OwnTarget = mainWnd;
    OwnHook = hook;
    __atomic_store_n(&share.HookHandle, lume::HandleToField(reinterpret_cast<uintptr_t>(hook)), __ATOMIC_RELEASE);
    return true;
}

// A hook of the other bitness is called on the installing thread for windows
// of the processes it cannot be loaded into: those are painted from outside.
bool IsCalledForAnotherProcess(HWND window)
{
    if (GetCurrentThreadId() != InstallingThread)
        return false;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process != GetCurrentProcessId();
}

// False only when the program's window is not there any more.
bool Notify(HWND target, UINT notification, WPARAM wParam, HWND observed)
{
    if (PostMessageA(target, notification, wParam, reinterpret_cast<LPARAM>(observed)) ||
        GetLastError() != ERROR_INVALID_WINDOW_HANDLE)
        return true;
    lume::ForgetNotifiedWindow();
    return false;
}

// What one call of the hook does, decided whole before any of it is done.
enum class Step : uint8_t {
    PassOn,                // nothing: the message is not ours, or no program of ours is there
    ForgetFrameRendering,  // the window manager may have begun or ceased to draw the frame
    GiveBackFrame,         // the program, leaving, asks for the window's frame back
    PrepareCaption,        // a captioned window was created
    Classified,            // the classification's notice or rewrite, then our caption when redrawn
};

// The step, with what it acts on.
struct Reaction {
    Step step = Step::PassOn;
    uint32_t owner = 0;       // the record's MainWnd
    HWND target = nullptr;    // the program's window the notices go to
    uint32_t style = 0;
    lume::HookDecision decision{};
};

uint32_t WindowPosFlags(const CWPRETSTRUCT& observed)
{
    if (observed.message != WM_WINDOWPOSCHANGED || !observed.lParam)
        return lume::UnchangedPlacement;
    return reinterpret_cast<const WINDOWPOS*>(observed.lParam)->flags;
}

// Registered messages are numbered from 0xC000: the undo of a frame is one.
bool IsUndoFrame(UINT message) { return message >= 0xC000 && message == lume::UndoFrameMessage(); }

// The messages the hook looks at, in the processes it paints in: every other
// call costs a hook that does nothing.
bool IsLookedAt(const CWPRETSTRUCT& observed)
{
    return (lume::IsObservedMessage(observed.message) || IsUndoFrame(observed.message)) &&
           !IsCalledForAnotherProcess(observed.hwnd);
}

// For a message looked at: the record's window checked, then the style and
// the classification.
Reaction Decide(const CWPRETSTRUCT& observed, const lume::HookShare& record)
{
    const UINT message = observed.message;
    const uint32_t owner = __atomic_load_n(&record.MainWnd, __ATOMIC_ACQUIRE);
    HWND target = lume::NotifiedWindow(owner);
    if (!target)
        return {};  // no program of ours: nothing painted, posted or rewritten
    if (lume::IsFrameRenderingChange(message))
        return {.step = Step::ForgetFrameRendering};
    if (IsUndoFrame(message))
        return {.step = Step::GiveBackFrame, .owner = owner};
    const auto style = static_cast<uint32_t>(GetWindowLongA(observed.hwnd, GWL_STYLE));
    if (message == WM_CREATE)
        return {.step = lume::IsHookedStyle(style | WS_VISIBLE) ? Step::PrepareCaption : Step::PassOn,
                .owner = owner,
                .style = style};
    return {Step::Classified, owner, target, style,
            lume::ClassifyHookedMessage(style, message, observed.lResult, WindowPosFlags(observed))};
}

UINT NotificationOf(lume::HookAction action)
{
    switch (action) {
    case lume::HookAction::PostCaptionChanged:
        return lume::UM_CAPTIONCHANGED;
    case lume::HookAction::PostCaptionTouched:
        return lume::UM_CAPTIONTOUCHED;
    case lume::HookAction::PostPlacementChanged:
        return lume::UM_WINDOWPOSCHANGED;
    default:
        return 0;
    }
}

// The classification's notice or rewrite; then our caption over the
// system's, in this thread, before the window's pixels reach the screen. The
// post comes first: it tells whether the program is still there.
void ActOnClassification(const Reaction& reaction, CWPRETSTRUCT& observed)
{
    bool ownerSeen = false, ownerThere = true;
    if (const UINT notification = NotificationOf(reaction.decision.action))
        ownerSeen = ownerThere = Notify(reaction.target, notification, reaction.decision.wParam, observed.hwnd);
    else if (reaction.decision.action == lume::HookAction::RewriteToCaption &&
             !lume::IsThisProcessLeftAlone(reaction.owner))
        observed.lResult = HTCAPTION;  // a program left alone keeps its system menu icon working
    if (ownerThere && lume::IsCaptionRedrawn(observed.message) && lume::IsHookedStyle(reaction.style))
        lume::PaintOwnCaption(observed, reaction.style, reaction.owner, ownerSeen);
}

void Act(const Reaction& reaction, CWPRETSTRUCT& observed)
{
    switch (reaction.step) {
    case Step::PassOn:
        break;
    case Step::ForgetFrameRendering:
        lume::ForgetFrameRendering(observed.hwnd);
        break;
    case Step::GiveBackFrame:
        lume::GiveBackFrame(observed.hwnd, reaction.owner);
        break;
    case Step::PrepareCaption:
        lume::PrepareOwnCaption(observed, reaction.style, reaction.owner);
        break;
    case Step::Classified:
        ActOnClassification(reaction, observed);
        break;
    }
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH) {
        ModuleInstance = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && !reserved) {  // unloaded, not the process ending
        lume::ReleaseKeptHolds();
        lume::ReleaseSharedRecord();
    }
    return TRUE;
}

extern "C" BOOLEAN WINAPI CreateDLLInst(HWND mainWnd)
{
    lume::win::KernelHandle mapping(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                       sizeof(lume::HookShare), lume::HookShareName));
    if (!mapping)
        return FALSE;
    const lume::win::MappedView<lume::HookShare> share = WritableRecord(mapping.get());
    if (!share || !InstallHook(*share.get(), mainWnd))
        return FALSE;
    // This creation handle is never closed: it keeps the named mapping alive
    // until the program ends, also while no hooked process has mapped it.
    mapping.release();
    lume::ExpectSharedRecord();
    return TRUE;
}

extern "C" void WINAPI DestroyDLLInst()
{
    if (OwnHook)
        UnhookWindowsHookEx(OwnHook);
    OwnHook = nullptr;
}

// Per message: a read of memory, and for the few messages the hook looks at,
// one decision and the one action it calls for.
extern "C" LRESULT WINAPI CALLWNDPROCRETHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const lume::HookShare* record = lume::SharedRecord();
    if (nCode == HC_ACTION && record) {
        auto& observed = *reinterpret_cast<CWPRETSTRUCT*>(lParam);
        if (IsLookedAt(observed))
            Act(Decide(observed, *record), observed);
    }
    // Always passed on, whatever nCode, and also without the record.
    return CallNextHookEx(record ? HookOf(*record) : nullptr, nCode, wParam, lParam);
}
