#include "ui/form.h"

#include "ui/application.h"

namespace lume::ui {

Form::~Form() { destroyWindow(); }

void Form::createWindow(const char* className, const char* caption, DWORD style, DWORD exStyle, HWND parent)
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    if (!GetClassInfoA(module, className, &windowClass)) {
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = module;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = className;
        RegisterClassA(&windowClass);
    }
    CreateWindowExA(exStyle, className, caption, style, 0, 0, 0, 0, parent, nullptr, module, this);
}

void Form::destroyWindow()
{
    if (window_)
        DestroyWindow(window_);
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        form->window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    Application::instance().guard([&] { result = form->handleMessage(message, wParam, lParam); });
    return result;
}

} // namespace lume::ui
