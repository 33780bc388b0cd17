#include "ui/application.h"

#include "resources/language.h"
#include "ui/application_title.h"
#include "ui/wide_text.h"

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
    texts::SetLanguage(texts::LanguageFor(GetUserDefaultUILanguage()));
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    title_ = ApplicationTitleFor(std::string_view(path, length < MAX_PATH ? length : MAX_PATH), SystemLeadByteRule());
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
    // The message is the program's own cp932 text; the title comes from the
    // program's path, in the system's code page.
    MessageBoxW(window_, Widened(message + ".").c_str(), Widened(title_, CP_ACP).c_str(), MB_OK | MB_ICONERROR);
}

} // namespace lume::ui
