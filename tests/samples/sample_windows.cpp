// Sample windows for the demo, the tests and the benchmarks: one of each kind
// of frame whose caption LumeLume paints, or must leave alone.
//
//   sample_windows [--ready FILE] [--log FILE]                       the whole set
//   sample_windows --grid N [--ready FILE]                         N small sizable windows
//   sample_windows --one TITLE X Y W H [--class NAME] [--style HEX] [--exstyle HEX]
//                  [--ready FILE] [--log FILE]                     one window (sizable by default)
//                  [--own-titlebar]                                that draws its own title bar
//
// They are Unicode windows, as most programs' are: a title holds any
// character, not only what the system's code page holds.
//
// --ready FILE is written once every window is shown and the thread is idle.
// --log FILE gets one line per caption-related message a window procedure
// returned from: "hwnd message style result sent-from-another-thread".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/samples/sample_protocol.h"

namespace {

constexpr UINT_PTR TickerTimer = 1;
constexpr UINT TickerPeriodMs = 700;

FILE* Log;
UINT HitTestMessage;
UINT SyncMessage;
UINT HangMessage;
HWND MdiClient;
int Ticks;
// True while a test request makes the window send itself a message: that one
// comes from this thread even though the request came from another.
bool SendingToSelf;

bool IsCaptionMessage(UINT message)
{
    switch (message) {
    case WM_MOVE: case WM_SETTEXT: case WM_NCHITTEST: case WM_NCPAINT: case WM_NCACTIVATE:
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONUP: case WM_INITMENU:
        return true;
    default:
        return false;
    }
}

// Logged as the window procedure returns, which is when the hook runs.
LRESULT Logged(HWND window, UINT message, LRESULT result)
{
    if (Log && IsCaptionMessage(message)) {
        bool fromOtherThread = !SendingToSelf && (InSendMessageEx(nullptr) & ISMEX_SEND) != 0;
        std::fprintf(Log, "%08lx %04x %08lx %lld %d\n",
                     static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)), message,
                     static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)),
                     static_cast<long long>(result), fromOtherThread ? 1 : 0);
        std::fflush(Log);
    }
    return result;
}

// What every sample answers the same way; true when handled.
bool HandleTestRequest(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == HitTestMessage && message != 0) {
        SendingToSelf = true;
        result = SendMessageA(window, WM_NCHITTEST, 0, lParam);
        SendingToSelf = false;
        return true;
    }
    if (message == SyncMessage && message != 0) {
        result = 1;
        return true;
    }
    if (message == HangMessage && message != 0) {
        Sleep(static_cast<DWORD>(wParam));
        return true;
    }
    return false;
}

LRESULT CALLBACK SampleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleTestRequest(window, message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_TIMER:
        if (wParam == TickerTimer) {
            wchar_t title[64];
            std::swprintf(title, 64, L"Ticker %d", ++Ticks);
            SetWindowTextW(window, title);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return Logged(window, message, DefWindowProcW(window, message, wParam, lParam));
    }
}

// A window that draws its own title bar: its client area takes the caption's
// place, the sizing borders stay the system's.
LRESULT CALLBACK OwnTitleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCALCSIZE) {  // the first rectangle is the window's, in either form of the message
        auto* area = reinterpret_cast<RECT*>(lParam);
        const LONG top = area->top;
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        area->top = top + GetSystemMetrics(SM_CYSIZEFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
        return result;
    }
    if (message != WM_PAINT)
        return SampleProc(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT bar;
    GetClientRect(window, &bar);
    bar.bottom = GetSystemMetrics(SM_CYCAPTION);
    HBRUSH brush = CreateSolidBrush(RGB(32, 96, 160));
    FillRect(dc, &bar, brush);
    DeleteObject(brush);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    bar.left += 8;
    DrawTextW(dc, title, -1, &bar, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    EndPaint(window, &paint);
    return 0;
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleTestRequest(window, message, wParam, lParam, result))
        return result;
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return Logged(window, message, DefFrameProcW(window, MdiClient, message, wParam, lParam));
}

LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleTestRequest(window, message, wParam, lParam, result))
        return result;
    return Logged(window, message, DefMDIChildProcW(window, message, wParam, lParam));
}

void RegisterClasses(HINSTANCE instance)
{
    WNDCLASSW sample{};
    sample.lpfnWndProc = SampleProc;
    sample.hInstance = instance;
    sample.hCursor = LoadCursor(nullptr, IDC_ARROW);
    sample.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    sample.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    sample.lpszClassName = L"LumeSample";
    RegisterClassW(&sample);

    WNDCLASSW frame = sample;
    frame.lpfnWndProc = FrameProc;
    frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    frame.lpszClassName = L"LumeSampleFrame";
    RegisterClassW(&frame);

    WNDCLASSW child = sample;
    child.lpfnWndProc = ChildProc;
    child.lpszClassName = L"LumeSampleChild";
    RegisterClassW(&child);
}

HWND Create(const wchar_t* title, DWORD style, DWORD exStyle, int x, int y, int width, int height,
            const wchar_t* className = L"LumeSample")
{
    HWND window = CreateWindowExW(exStyle, className, title, style, x, y, width, height, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

void CreateMdiSample()
{
    HWND frame = Create(L"MDI frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 440, 200, 560, 360,
                        L"LumeSampleFrame");
    CLIENTCREATESTRUCT client{};
    client.idFirstChild = 100;
    RECT area;
    GetClientRect(frame, &area);
    MdiClient = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, area.right, area.bottom,
                                frame, nullptr, GetModuleHandleA(nullptr), &client);
    // Two children, the second overlapping the first and active.
    CreateMDIWindowW(L"LumeSampleChild", L"Child 1", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 10, 10, 300, 180,
                     MdiClient, GetModuleHandleA(nullptr), 0);
    CreateMDIWindowW(L"LumeSampleChild", L"Child 2", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 150, 90, 300, 180,
                     MdiClient, GetModuleHandleA(nullptr), 0);
}

void CreateWholeSet()
{
    HWND sizable = Create(L"Sizable window", WS_OVERLAPPEDWINDOW, 0, 20, 20, 400, 300);
    Create(L"Dialog frame", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, 440, 20, 300, 150);
    Create(L"Tool window", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW,
           760, 20, 240, 150);
    HWND ticker = Create(L"Ticker 0", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 20, 340,
                         400, 150);
    SetTimer(ticker, TickerTimer, TickerPeriodMs, nullptr);
    Create(L"No system menu", WS_OVERLAPPED | WS_CAPTION, 0, 20, 510, 400, 120);
    CreateMdiSample();
    SetForegroundWindow(sizable);  // one active caption, the rest inactive
}

void WriteReadyFile(const wchar_t* path)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

// The message loop; the ready file is written the first time the queue is empty.
int Run(const wchar_t* readyPath)
{
    bool ready = readyPath == nullptr;
    MSG message;
    for (;;) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return static_cast<int>(message.wParam);
            if (!MdiClient || !TranslateMDISysAccel(MdiClient, &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        if (!ready) {
            WriteReadyFile(readyPath);
            ready = true;
        }
        WaitMessage();
    }
}

} // namespace

int main()
{
    // Aware of the system's DPI, as most programs declare themselves.
    if (auto* setAware = reinterpret_cast<decltype(SetProcessDPIAware)*>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDPIAware"))))
        setAware();
    // The arguments as UTF-16: a title may hold what the code page does not.
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    HitTestMessage = RegisterWindowMessageA(lume::samples::HitTestMessageName);
    SyncMessage = RegisterWindowMessageA(lume::samples::SyncMessageName);
    HangMessage = RegisterWindowMessageA(lume::samples::HangMessageName);
    RegisterClasses(GetModuleHandleA(nullptr));

    const wchar_t* readyPath = nullptr;
    const wchar_t* oneTitle = nullptr;
    int grid = 0;
    const wchar_t* className = L"LumeSample";
    WNDPROC procedure = SampleProc;
    DWORD style = WS_OVERLAPPEDWINDOW, exStyle = 0;
    int x = 100, y = 100, width = 400, height = 300;
    for (int i = 1; i < argc; ++i) {
        std::wstring arg = argv[i];
        if (arg == L"--ready" && i + 1 < argc) {
            readyPath = argv[++i];
        } else if (arg == L"--grid" && i + 1 < argc) {
            grid = _wtoi(argv[++i]);
        } else if (arg == L"--class" && i + 1 < argc) {
            className = argv[++i];
        } else if (arg == L"--style" && i + 1 < argc) {
            style = std::wcstoul(argv[++i], nullptr, 16);
        } else if (arg == L"--exstyle" && i + 1 < argc) {
            exStyle = std::wcstoul(argv[++i], nullptr, 16);
        } else if (arg == L"--own-titlebar") {
            className = L"LumeSampleOwnTitle";
            procedure = OwnTitleProc;
        } else if (arg == L"--log" && i + 1 < argc) {
            Log = _wfopen(argv[++i], L"w");
        } else if (arg == L"--one" && i + 5 < argc) {
            oneTitle = argv[++i];
            x = _wtoi(argv[++i]);
            y = _wtoi(argv[++i]);
            width = _wtoi(argv[++i]);
            height = _wtoi(argv[++i]);
        } else {
            std::fwprintf(stderr, L"unknown argument %ls\n", argv[i]);
            return 2;
        }
    }
    if (grid > 0) {
        for (int i = 0; i < grid; ++i) {
            wchar_t title[32];
            std::swprintf(title, 32, L"Grid %d", i);
            Create(title, WS_OVERLAPPEDWINDOW, 0, 10 + (i % 10) * 100, 10 + (i / 10) * 140, 96, 130);
        }
    } else if (oneTitle) {
        WNDCLASSW named{};
        named.lpfnWndProc = procedure;
        named.hInstance = GetModuleHandleA(nullptr);
        named.hCursor = LoadCursor(nullptr, IDC_ARROW);
        named.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        named.lpszClassName = className;
        RegisterClassW(&named);  // fails harmlessly for the usual class, registered already
        Create(oneTitle, style, exStyle, x, y, width, height, className);
    }
    else
        CreateWholeSet();
    return Run(readyPath);
}
