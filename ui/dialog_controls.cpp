#include "ui/dialog_controls.h"

#include <commctrl.h>

#include "ui/handles.h"
#include "ui/late_library.h"

namespace lume::ui {

namespace {

LRESULT CALLBACK SwatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT area;
        GetClientRect(window, &area);
        GdiObject<HBRUSH> brush(CreateSolidBrush(SwatchColor(window)));
        FillRect(dc, &area, brush.get());
        DrawEdge(dc, &area, EDGE_SUNKEN, BF_RECT);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return SendMessageA(GetParent(window), message, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK FilteredEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR rule)
{
    auto accepts = reinterpret_cast<bool (*)(char16_t) noexcept>(rule);
    if (message == WM_CHAR && (wParam > 0xFFFF || !accepts(static_cast<char16_t>(wParam)))) {
        MessageBeep(0);
        return 0;
    }
    // Looked up once: the library stays loaded while the process runs.
    static auto defaultProc = LateBound<decltype(DefSubclassProc)>("comctl32.dll", "DefSubclassProc");
    return defaultProc ? defaultProc(window, message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

void RegisterOnce(const char* name, WNDPROC procedure, HBRUSH background)
{
    WNDCLASSA windowClass{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), name, &windowClass))
        return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

} // namespace

void RegisterDialogControlClasses()
{
    RegisterOnce(SwatchClass, SwatchProc, nullptr);
    RegisterOnce(PageClass, PageProc, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
}

COLORREF SwatchColor(HWND swatch) { return static_cast<COLORREF>(GetWindowLongPtrA(swatch, GWLP_USERDATA)); }

void SetSwatchColor(HWND swatch, COLORREF color)
{
    SetWindowLongPtrA(swatch, GWLP_USERDATA, static_cast<LONG_PTR>(color));
    InvalidateRect(swatch, nullptr, TRUE);
}

void FilterTyping(HWND edit, bool (*accepts)(char16_t) noexcept)
{
    if (auto subclass = LateBound<decltype(SetWindowSubclass)>("comctl32.dll", "SetWindowSubclass"))
        subclass(edit, FilteredEditProc, 1, reinterpret_cast<DWORD_PTR>(accepts));
}

} // namespace lume::ui
