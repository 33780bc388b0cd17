// A program with one ordinary captioned window, "HookTimer", that times
// messages it sends to that window in its own thread when hook_bench asks:
// what the hooks in the chain cost every message of a hooked program.
#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

// Median nanoseconds of one SendMessageW of `message` to `window`, after a
// warm-up in which a newly set hook is loaded and builds what it keeps.
LRESULT TimeSends(HWND window, UINT message)
{
    const WPARAM wParam = message == WM_NCPAINT ? 1 : 0;
    // The frame told its look once, as at the window's next activation: a
    // hook set after the last one could not have seen it, and would ask the
    // system at every paint who is in front.
    SendMessageW(window, WM_NCACTIVATE, GetForegroundWindow() == window, 0);
    for (int i = 0; i < 20; ++i)
        SendMessageW(window, message, wParam, 0);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    std::vector<LONGLONG> sends(400);
    for (LONGLONG& nanoseconds : sends) {
        QueryPerformanceCounter(&start);
        SendMessageW(window, message, wParam, 0);
        QueryPerformanceCounter(&end);
        nanoseconds = (end.QuadPart - start.QuadPart) * 1000000000 / frequency.QuadPart;
    }
    std::nth_element(sends.begin(), sends.begin() + 200, sends.end());
    return static_cast<LRESULT>(sends[200]);
}

LRESULT CALLBACK TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // WM_APP: the median of 400 sends of the message in wParam (WM_NCPAINT with wParam 1), in nanoseconds.
    if (message == WM_APP)
        return TimeSends(window, static_cast<UINT>(wParam));
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

// hook_timer [TITLE]: the window's title, "HookTimer" when none is given.
int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const wchar_t* title = argc > 1 ? argv[1] : L"HookTimer";
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TimerProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"HookTimer";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"HookTimer", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400,
                                  300, nullptr, nullptr, nullptr, nullptr);
    // Active, as the window a user works in: its frame is repainted in the active look.
    SetForegroundWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
