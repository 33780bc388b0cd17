// lumehook.dll: loaded into every process with windows while the hook is in
// place. It keeps nothing between calls but its module handle, a read-only
// view of the program's record and the program's look with the few GDI
// objects made from it; it allocates nothing, takes no lock, never waits on
// another thread, and only ever posts to the program's window and paints
// captions in their windows' own threads.
#include "hooklib/lumehook.h"
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
              lume::win::WsVisible == WS_VISIBLE && lume::win::WsMinimize == WS_MINIMIZE);
static_assert(lume::win::WmNcHitTest == WM_NCHITTEST && lume::win::WmInitMenu == WM_INITMENU &&
              lume::win::HtCaption == HTCAPTION && lume::win::HtSysMenu == HTSYSMENU &&
              lume::win::HtLeft == HTLEFT && lume::win::HtBottomRight == HTBOTTOMRIGHT);

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

void Observe(CWPRETSTRUCT& observed, uint32_t owner)
{
    HWND target = lume::NotifiedWindow(owner);
    if (!target)
        return;  // no program of ours: nothing painted, posted or rewritten
    if (lume::IsFrameRenderingChange(observed.message)) {
        lume::ForgetFrameRendering(observed.hwnd);
        return;
    }
    if (observed.message == lume::UndoFrameMessage()) {
        lume::GiveBackFrame(observed.hwnd, owner);
        return;
    }
    const auto style = static_cast<uint32_t>(GetWindowLongA(observed.hwnd, GWL_STYLE));
    if (observed.message == WM_CREATE) {
        if (lume::IsHookedStyle(style | WS_VISIBLE))
            lume::PrepareOwnCaption(observed, style, owner);
        return;
    }
    bool ownerSeen = false, ownerThere = true;
    const lume::HookDecision decision = lume::ClassifyHookedMessage(style, observed.message, observed.lResult);
    switch (decision.action) {
    case lume::HookAction::PostCaptionChanged:
        ownerSeen = ownerThere = Notify(target, lume::UM_CAPTIONCHANGED, decision.wParam, observed.hwnd);
        break;
    case lume::HookAction::PostCaptionTouched:
        ownerSeen = ownerThere = Notify(target, lume::UM_CAPTIONTOUCHED, 0, observed.hwnd);
        break;
    case lume::HookAction::RewriteToCaption:
        // A program left alone keeps its system menu icon working.
        if (!lume::IsThisProcessLeftAlone(owner))
            observed.lResult = HTCAPTION;
        break;
    case lume::HookAction::Nothing:
        // The caption notifications never look at this message, so this
        // is still at most one post per call.
        if (observed.message == WM_WINDOWPOSCHANGED && observed.lParam) {
            UINT flags = reinterpret_cast<const WINDOWPOS*>(observed.lParam)->flags;
            if (lume::IsPlacementChange(style, flags))
                ownerSeen = ownerThere = Notify(target, lume::UM_WINDOWPOSCHANGED, flags, observed.hwnd);
        }
        break;
    }
    // Our caption over the system's, in this thread, before the window's
    // pixels reach the screen; the post first, which tells whether the
    // program is still there.
    if (ownerThere && lume::IsCaptionRedrawn(observed.message) && lume::IsHookedStyle(style))
        lume::PaintOwnCaption(observed, style, owner, ownerSeen);
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
    if (!share)
        return FALSE;
    if (OwnTarget && OwnTarget != mainWnd)
        RemovePropA(OwnTarget, lume::HookTargetPropertyName);
    SetPropA(mainWnd, lume::HookTargetPropertyName, reinterpret_cast<HANDLE>(1));
    OwnTarget = mainWnd;
    __atomic_store_n(&share.get()->MainWnd, lume::HandleToField(reinterpret_cast<uintptr_t>(mainWnd)), __ATOMIC_RELEASE);
    InstallingThread = GetCurrentThreadId();
    OwnHook = SetWindowsHookExA(WH_CALLWNDPROCRET, CALLWNDPROCRETHookProc, ModuleInstance, 0);
    __atomic_store_n(&share.get()->HookHandle, lume::HandleToField(reinterpret_cast<uintptr_t>(OwnHook)),
                     __ATOMIC_RELEASE);
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

extern "C" LRESULT WINAPI CALLWNDPROCRETHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    // Per message: a read of memory, and for the few messages the hook looks
    // at, the style and what a caption needs.
    const lume::HookShare* record = lume::SharedRecord();
    if (nCode == HC_ACTION && record) {
        auto* observed = reinterpret_cast<CWPRETSTRUCT*>(lParam);
        const UINT message = observed->message;
        // Registered messages are numbered from 0xC000: the undo of a frame is one.
        if ((lume::IsObservedMessage(message) || (message >= 0xC000 && message == lume::UndoFrameMessage())) &&
            !IsCalledForAnotherProcess(observed->hwnd))
            Observe(*observed, __atomic_load_n(&record->MainWnd, __ATOMIC_ACQUIRE));
    }
    // Always passed on, whatever nCode, and also without the record.
    return CallNextHookEx(record ? HookOf(*record) : nullptr, nCode, wParam, lParam);
}
