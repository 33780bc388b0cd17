// A stand-in for dwmapi.dll, for the tests of composed frames. It answers as
// the window manager of Windows 11 would (of Windows 10 with LUME_DWM_AS=10)
// and appends one line per window attribute asked or given to the file
// LUME_DWM_LOG names (a Windows path):
//   get|set PROCESS THREAD WINDOW ATTRIBUTE VALUE|- RESULT
// e.g. "set 0x1a4 0x1b0 0x20062 35 0x00808080 0x0". A window's frame is
// composed until it is given DWMNCRP_DISABLED, as far as this process knows.
#include <windows.h>

namespace {

constexpr DWORD NcRenderingEnabled = 1, NcRenderingPolicy = 2, PolicyDisabled = 1;
constexpr DWORD BorderColour = 34, TextColour = 36;  // the caption's colour (35) between them

wchar_t LogPath[MAX_PATH];
bool AsWindows10;
HWND Uncomposed[64];  // this process's windows given DWMNCRP_DISABLED

bool IsUncomposed(HWND window)
{
    for (HWND slot : Uncomposed)
        if (slot == window)
            return true;
    return false;
}

// Marks the window or clears its mark; a slot is taken atomically, as windows
// of several threads may be given the policy at once.
void MarkUncomposed(HWND window, bool uncomposed)
{
    if (uncomposed && IsUncomposed(window))
        return;
    HWND from = uncomposed ? nullptr : window, to = uncomposed ? window : nullptr;
    for (HWND& slot : Uncomposed)
        if (InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(&slot), to, from) == from)
            return;
}

// Opened, written and closed per line: several processes append to the file.
void Log(const char* function, HWND window, DWORD attribute, const void* value, DWORD size, HRESULT result)
{
    char shown[16] = "-", line[160];
    if (value && size >= sizeof(DWORD))
        wsprintfA(shown, "0x%08lx", *static_cast<const DWORD*>(value));
    const int length = wsprintfA(line, "%s 0x%lx 0x%lx 0x%lx %lu %s 0x%lx\n", function, GetCurrentProcessId(),
                                 GetCurrentThreadId(), static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(window)),
                                 attribute, shown, static_cast<DWORD>(result));
    HANDLE file = CreateFileW(LogPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        char as[4] = {};
        AsWindows10 = GetEnvironmentVariableA("LUME_DWM_AS", as, sizeof as) == 2 && as[0] == '1' && as[1] == '0';
        if (GetEnvironmentVariableW(L"LUME_DWM_LOG", LogPath, MAX_PATH) >= MAX_PATH)
            LogPath[0] = 0;
    }
    return TRUE;
}

extern "C" HRESULT WINAPI DwmGetWindowAttribute(HWND window, DWORD attribute, void* value, DWORD size)
{
    HRESULT result = attribute != NcRenderingEnabled ? E_NOTIMPL : !value || size != sizeof(BOOL) ? E_INVALIDARG : S_OK;
    if (result == S_OK)
        *static_cast<BOOL*>(value) = !IsUncomposed(window);
    Log("get", window, attribute, result == S_OK ? value : nullptr, size, result);
    return result;
}

extern "C" HRESULT WINAPI DwmSetWindowAttribute(HWND window, DWORD attribute, const void* value, DWORD size)
{
    const bool colour = attribute >= BorderColour && attribute <= TextColour;
    HRESULT result = S_OK;
    if ((colour || attribute == NcRenderingPolicy) && (!value || size != sizeof(DWORD) || (colour && AsWindows10))) {
        result = E_INVALIDARG;
    } else if (attribute == NcRenderingPolicy) {
        MarkUncomposed(window, *static_cast<const DWORD*>(value) == PolicyDisabled);
    }
    Log("set", window, attribute, value, size, result);
    return result;
}

extern "C" HRESULT WINAPI DwmIsCompositionEnabled(BOOL* enabled)
{
    if (!enabled)
        return E_INVALIDARG;
    *enabled = TRUE;
    return S_OK;
}

extern "C" BOOL WINAPI DwmDefWindowProc(HWND, UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;  // nothing handled
}

// Every other export: nothing done.
extern "C" HRESULT WINAPI NotImplemented()
{
    return E_NOTIMPL;
}
