#include "app/sweep.h"

#include "core/window_filter.h"
#include "hooklib/hook_protocol.h"
#include "ui/handles.h"
#include "window/window_program.h"
#include "window/window_style.h"

namespace lume {

static_assert(win::WsCaption == WS_CAPTION && win::WsSysMenu == WS_SYSMENU && win::WsVisible == WS_VISIBLE &&
              win::WsChild == WS_CHILD);

namespace {

// Sent with a time limit: a window that does not answer is passed over.
void SendToRestore(HWND window, UINT message, WPARAM wParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, RestoreTimeoutMs, &result);
}

void RestoreFrame(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    const ui::RegionHandle region(CreateRectRgnIndirect(&frame));
    SendToRestore(window, WM_NCPAINT, reinterpret_cast<WPARAM>(region.get()));
    SendToRestore(window, WM_NCACTIVATE, GetForegroundWindow() == window ? 1 : 0);
}

BOOL CALLBACK SweepChildProc(HWND window, LPARAM painter)
{
    if (const uint32_t style = StyleOf(window); IsSweptDescendant(style))
        reinterpret_cast<OutsidePainter*>(painter)->refresh(window, style);
    return TRUE;
}

BOOL CALLBACK SweepTopLevelProc(HWND window, LPARAM painter)
{
    const uint32_t style = StyleOf(window);
    if (!IsSweepCandidate(style))
        return TRUE;
    reinterpret_cast<OutsidePainter*>(painter)->refresh(window, style);
    EnumChildWindows(window, SweepChildProc, painter);
    return TRUE;
}

BOOL CALLBACK RestoreTopLevelProc(HWND window, LPARAM)
{
    if (IsSweepCandidate(StyleOf(window)))
        RestoreFrame(window);
    return TRUE;
}

} // namespace

void SweepWindows(OutsidePainter& painter) { EnumWindows(SweepTopLevelProc, reinterpret_cast<LPARAM>(&painter)); }

void RestoreFrames() { EnumWindows(RestoreTopLevelProc, 0); }

namespace {

// `programs` none: every candidate.
BOOL CALLBACK RestoreQueuedProc(HWND window, LPARAM programs)
{
    const auto* listed = reinterpret_cast<const ExclusionList*>(programs);
    if (IsSweepCandidate(StyleOf(window)) && (!listed || listed->contains(ProgramFileNameOf(window))))
        // Queued for the window's own thread: a program that hangs holds nothing up.
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    return TRUE;
}

} // namespace

void RestoreProgramWindows(const ExclusionList& programs)
{
    if (!programs.empty())
        EnumWindows(RestoreQueuedProc, reinterpret_cast<LPARAM>(&programs));
}

void RestoreFramesQueued() { EnumWindows(RestoreQueuedProc, 0); }

namespace {

BOOL CALLBACK UndoFrameProc(HWND window, LPARAM undoMessage)
{
    if (GetPropA(window, FramePropertyName)) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(window, static_cast<UINT>(undoMessage), 0, 0, SMTO_ABORTIFHUNG, RestoreTimeoutMs, &result);
    }
    return TRUE;
}

} // namespace

void UndoFrameChanges() { EnumWindows(UndoFrameProc, RegisterWindowMessageA(UndoFrameMessageName)); }

} // namespace lume
