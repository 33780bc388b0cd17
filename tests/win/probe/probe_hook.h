// A test-only global hook that reports the WM_NCHITTEST results it sees.
#pragma once
#include <windows.h>

constexpr char ProbeReceiverClass[] = "LumeProbeReceiver";
// Posted to the receiver: wParam = lResult seen, lParam = the window.
constexpr UINT ProbeHitTestMessage = WM_APP + 0x47;

extern "C" {
BOOL WINAPI InstallProbe();
void WINAPI RemoveProbe();
LRESULT WINAPI ProbeHookProc(int nCode, WPARAM wParam, LPARAM lParam);
}
