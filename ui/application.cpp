#include "ui/application.h"

#include "resources/language.h"
#include "ui/application_title.h"
#include "ui/program_path.h"
#include "ui/wide_text.h"

namespace lume::ui {

namespace {

constexpr wchar_t ApplicationWindowClass[] = L"LumeLumeApplication";

} // namespace

Application& Application::instance()
{
    static Application application;  // one per process: it owns the message loop and the application window
    return application;
}

void Application::initialize(HINSTANCE instance)
{
    module_ = instance;
    texts::SetLanguage(texts::LanguageFor(GetUserDefaultUILanguage()));
    title_ = AsWide(ApplicationTitleFor(AsUtf16(ProgramFilePath())));
    icon_ = LoadIconA(instance, "MAINICON");

    // A Unicode window, whose title holds any character of the program's name.
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon_;
    windowClass.lpszClassName = ApplicationWindowClass;
    RegisterClassW(&windowClass);
    // The window that would carry the taskbar button; it is never shown.
    window_ = CreateWindowExW(0, ApplicationWindowClass, title_.c_str(),
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
    // program's path, in UTF-16.
    MessageBoxW(window_, Widened(message + ".").c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace lume::ui
