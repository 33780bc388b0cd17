// The reference for the hook's cost: a global WH_CALLWNDPROCRET hook that
// only passes each message on, built the way lumehook is, so that what it
// costs is the hook chain's own price for every message.
#include <windows.h>

namespace {
HINSTANCE ModuleInstance;
HHOOK Hook;
} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        ModuleInstance = instance;
    return TRUE;
}

// The handle is only known in the process that set the hook; the chain does not need it.
extern "C" LRESULT WINAPI ReferenceHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(Hook, nCode, wParam, lParam);
}

extern "C" BOOL WINAPI InstallReferenceHook()
{
    Hook = SetWindowsHookExA(WH_CALLWNDPROCRET, ReferenceHookProc, ModuleInstance, 0);
    return Hook != nullptr;
}

extern "C" void WINAPI RemoveReferenceHook()
{
    if (Hook)
        UnhookWindowsHookEx(Hook);
    Hook = nullptr;
}
