#include "ui/application.h"

#include "ui/application_title.h"

namespace lume::ui {

namespace {

constexpr char ApplicationWindowClass[] = "LumeLumeApplication";

} // namespace

Application& Application::instance()
{
    static Application application;
    return application;
}

void Application::initialize(HINSTANCE instance)
{
    module_ = instance;
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    title_ = ApplicationTitleFor(std::string_view(path, length < MAX_PATH ? length : MAX_PATH));
    icon_ = LoadIconA(instance, "MAINICON");

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon_;
    windowClass.lpszClassName = ApplicationWindowClass;
    RegisterClassA(&windowClass);
    // The window that would carry the taskbar button; it is never shown.
    window_ = CreateWindowExA(0, ApplicationWindowClass, title_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                              nullptr, nullptr, instance, nullptr);
}

int Application::run()
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

void Application::processMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // the loop still has to see it
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void Application::showError(const std::string& message) const
{
    std::string text = message + ".";
    MessageBoxA(window_, text.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace lume::ui
