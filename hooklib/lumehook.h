// The exports of lumehook.dll, as the program imports them by name.
#pragma once
#include <windows.h>

extern "C" {
// Creates the shared record, stores mainWnd and installs the global hook.
// False when the mapping could not be created or mapped, or the system
// refused the hook: then mainWnd carries no mark and the record is as it was.
BOOLEAN WINAPI CreateDLLInst(HWND mainWnd);
// Removes the hook the shared record names.
void WINAPI DestroyDLLInst();
// The WH_CALLWNDPROCRET hook procedure.
LRESULT WINAPI CALLWNDPROCRETHookProc(int nCode, WPARAM wParam, LPARAM lParam);
}
