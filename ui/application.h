// The application object: the message loop, the application's own hidden
// top-level window, its icon and title, and the standard error display that
// every dispatched message and event runs under.
#pragma once
#include <windows.h>

#include <string>
#include <utility>

#include "core/user_error.h"

namespace lume::ui {

class Application {
public:
    static Application& instance();

    // Creates the application's window (hidden) and loads the icon "MAINICON".
    void initialize(HINSTANCE instance);
    HINSTANCE module() const { return module_; }
    HWND handle() const { return window_; }
    HICON icon() const { return icon_; }
    const std::wstring& title() const { return title_; }

    // Whether the main form is shown when the message loop starts.
    bool showMainForm = true;

    // Runs the message loop until terminate().
    int run();
    void terminate() { PostQuitMessage(0); }
    // Handles every message already queued for this thread, then returns.
    void processMessages();

    // The message, a ".", the application's title, an error icon, one OK button.
    void showError(const std::string& message) const;

    // Runs `work`; a UserError it raises is shown, and the program goes on.
    template <class Work>
    void guard(Work&& work) const noexcept
    {
        try {
            std::forward<Work>(work)();
        } catch (const UserError& error) {
            showError(error.what());
        } catch (const std::exception& error) {
            showError(error.what());
        }
    }

private:
    Application() = default;

    HINSTANCE module_ = nullptr;
    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    std::wstring title_;
};

} // namespace lume::ui
