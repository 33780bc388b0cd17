// The least a Win32 program does to start: a window class, a window, and a
// sign that it got there (a named mapping), then it waits to be ended.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "LumeMinimal";
    RegisterClassA(&windowClass);
    CreateWindowExA(0, "LumeMinimal", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 8, "LUMEMINIMAL");
    Sleep(INFINITE);
    return 0;
}
