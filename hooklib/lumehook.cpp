// lumehook.dll: loaded into every process with windows while the hook is in
// place. It keeps nothing between calls but its module handle and the
// program's look with the few GDI objects made from it, allocates nothing,
// takes no lock, never waits on the program, and only ever posts to the
// program and paints captions in their windows' own threads.
#include "hooklib/lumehook.h"
#include "hooklib/classify.h"
#include "hooklib/hook_protocol.h"
#include "hooklib/look_hold.h"
#include "hooklib/self_paint.h"

namespace {

static_assert(lume::win::WsCaption == WS_CAPTION && lume::win::WsSysMenu == WS_SYSMENU &&
              lume::win::WsVisible == WS_VISIBLE && lume::win::WsMinimize == WS_MINIMIZE);
static_assert(lume::win::WmNcHitTest == WM_NCHITTEST && lume::win::WmInitMenu == WM_INITMENU &&
              lume::win::HtCaption == HTCAPTION && lume::win::HtSysMenu == HTSYSMENU &&
              lume::win::HtLeft == HTLEFT && lume::win::HtBottomRight == HTBOTTOMRIGHT);

HINSTANCE ModuleInstance;

// One short-lived handle and view of the shared record, released together.
class HookShareView {
public:
    // OpenHookShare: a view of the named mapping, or none.
    HookShareView()
        : mapping_(OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, lume::HookShareName)),
          view_(mapping_ ? static_cast<lume::HookShare*>(
                               MapViewOfFile(mapping_, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0))
                         : nullptr)
    {
    }
    // CloseHookShare.
    ~HookShareView()
    {
        if (view_)
            UnmapViewOfFile(view_);
        if (mapping_)
            CloseHandle(mapping_);
    }
    HookShareView(const HookShareView&) = delete;
    HookShareView& operator=(const HookShareView&) = delete;

    lume::HookShare* get() const { return view_; }

private:
    HANDLE mapping_;
    lume::HookShare* view_;
};

HHOOK HookOf(const lume::HookShare& share)
{
    return reinterpret_cast<HHOOK>(lume::FieldToHandle(share.HookHandle));
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        ModuleInstance = instance;
    else if (reason == DLL_PROCESS_DETACH && !reserved)  // unloaded, not the process ending
        lume::ReleaseKeptHolds();
    return TRUE;
}

extern "C" BOOLEAN WINAPI CreateDLLInst(HWND mainWnd)
{
    // This creation handle is never closed: it keeps the named mapping alive
    // between the hook calls' own short opens until the program ends.
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(lume::HookShare), lume::HookShareName);
    if (!mapping)
        return FALSE;
    HookShareView share;
    if (!share.get())
        return FALSE;
    share.get()->MainWnd = lume::HandleToField(reinterpret_cast<uintptr_t>(mainWnd));
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, CALLWNDPROCRETHookProc, ModuleInstance, 0);
    share.get()->HookHandle = lume::HandleToField(reinterpret_cast<uintptr_t>(hook));
    return TRUE;
}

extern "C" void WINAPI DestroyDLLInst()
{
    HookShareView share;
    if (share.get())
        UnhookWindowsHookEx(HookOf(*share.get()));
}

extern "C" LRESULT WINAPI CALLWNDPROCRETHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    HookShareView share;
    const lume::HookShare* record = share.get();
    if (nCode == HC_ACTION && record) {
        // Read once: the record may be written meanwhile.
        const uint32_t owner = __atomic_load_n(&record->MainWnd, __ATOMIC_RELAXED);
        HWND mainWindow = reinterpret_cast<HWND>(lume::FieldToHandle(owner));
        auto* observed = reinterpret_cast<CWPRETSTRUCT*>(lParam);
        auto style = static_cast<uint32_t>(GetWindowLongA(observed->hwnd, GWL_STYLE));
        // Our caption over the system's, in this thread, before the window's
        // pixels reach the screen.
        if (lume::IsCaptionRedrawn(observed->message) && lume::IsHookedStyle(style))
            lume::PaintOwnCaption(*observed, style, owner);
        lume::HookDecision decision =
            lume::ClassifyHookedMessage(style, observed->message, observed->lResult);
        switch (decision.action) {
        case lume::HookAction::PostCaptionChanged:
            PostMessageA(mainWindow, lume::UM_CAPTIONCHANGED, decision.wParam,
                         reinterpret_cast<LPARAM>(observed->hwnd));
            break;
        case lume::HookAction::PostCaptionTouched:
            PostMessageA(mainWindow, lume::UM_CAPTIONTOUCHED, 0,
                         reinterpret_cast<LPARAM>(observed->hwnd));
            break;
        case lume::HookAction::RewriteToCaption:
            // A program left alone keeps its system menu icon working.
            if (!lume::IsThisProcessLeftAlone(owner))
                observed->lResult = HTCAPTION;
            break;
        case lume::HookAction::Nothing:
            // The caption notifications never look at this message, so this
            // is still at most one post per call.
            if (observed->message == WM_WINDOWPOSCHANGED && observed->lParam) {
                UINT flags = reinterpret_cast<const WINDOWPOS*>(observed->lParam)->flags;
                if (lume::IsPlacementChange(style, flags))
                    PostMessageA(mainWindow, lume::UM_WINDOWPOSCHANGED, flags,
                                 reinterpret_cast<LPARAM>(observed->hwnd));
            }
            break;
        }
    }
    // Always passed on, whatever nCode, and also without a view of the record.
    return CallNextHookEx(record ? HookOf(*record) : nullptr, nCode, wParam, lParam);
}
