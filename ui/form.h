// A window of the program's own: one class per form, one window procedure
// that hands every message to the form's handler under the application's
// error display.
#pragma once
#include <windows.h>

namespace lume::ui {

class Form {
public:
    Form() = default;
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND handle() const { return window_; }

protected:
    // Registers the class (once) and creates the window.
    void createWindow(const char* className, const char* caption, DWORD style, DWORD exStyle, HWND parent);
    void destroyWindow();

    // The form's messages; the default handling for anything it leaves.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

} // namespace lume::ui
