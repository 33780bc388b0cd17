// The reference for the hook's cost: a global WH_CALLWNDPROCRET hook that
// makes exactly the calls every lumehook call must make (open, map, read the
// hook handle, unmap, close the mapping, CallNextHookEx) and nothing else.
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

extern "C" LRESULT WINAPI ReferenceHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, "LUMEHOOK");
    void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0) : nullptr;
    HHOOK next = nullptr;
    if (view) {
        next = reinterpret_cast<HHOOK>(static_cast<intptr_t>(static_cast<const volatile LONG*>(view)[1]));
        UnmapViewOfFile(view);
    }
    if (mapping)
        CloseHandle(mapping);
    return CallNextHookEx(next, nCode, wParam, lParam);
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
