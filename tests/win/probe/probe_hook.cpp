// A second global WH_CALLWNDPROCRET hook for tests. Installed before
// lumehook's, it runs after it in every chain and reports the WM_NCHITTEST
// result it is handed, so a test sees what lumehook passed on.
#include <windows.h>

#include "tests/win/probe/probe_hook.h"

namespace {
HINSTANCE ModuleInstance;
HHOOK ProbeHook;
} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        ModuleInstance = instance;
    return TRUE;
}

extern "C" LRESULT WINAPI ProbeHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION) {
        auto* observed = reinterpret_cast<CWPRETSTRUCT*>(lParam);
        if (observed->message == WM_NCHITTEST) {
            if (HWND receiver = FindWindowA(ProbeReceiverClass, nullptr))
                PostMessageA(receiver, ProbeHitTestMessage, static_cast<WPARAM>(observed->lResult),
                             reinterpret_cast<LPARAM>(observed->hwnd));
        }
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

extern "C" BOOL WINAPI InstallProbe()
{
    ProbeHook = SetWindowsHookExA(WH_CALLWNDPROCRET, ProbeHookProc, ModuleInstance, 0);
    return ProbeHook != nullptr;
}

extern "C" void WINAPI RemoveProbe()
{
    if (ProbeHook)
        UnhookWindowsHookEx(ProbeHook);
    ProbeHook = nullptr;
}
