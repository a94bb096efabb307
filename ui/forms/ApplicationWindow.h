// The application's own window: never seen itself, it is the program's one
// taskbar button and its entry in Alt+Tab, captioned with the application's
// title, while the main form carries its own caption. The main form is owned
// by it, so the main form and the forms in front of it have no button of
// their own; minimizing the main form minimizes this window, which hides
// them, and restoring it brings them back.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tarnwick::forms {

class Application;

class ApplicationWindow {
  public:
    // onClose: what closing from the taskbar does (closing the main form).
    // Its messages go through the application's guard.
    ApplicationWindow(Application& application, const std::string& title,
                      std::function<void()> onClose);
    ApplicationWindow(const ApplicationWindow&) = delete;
    ApplicationWindow& operator=(const ApplicationWindow&) = delete;
    ~ApplicationWindow();

    HWND Handle() const noexcept { return window_; }
    void SetTitle(const std::string& title) { SetWindowTextA(window_, title.c_str()); }

    // Puts the button on the taskbar, without taking the activation.
    void ShowButton() { ShowWindow(window_, SW_SHOWNA); }
    void Minimize() { ShowWindow(window_, SW_MINIMIZE); }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The window that takes the activation when the button is chosen: the
    // program's window in front, which is the only one enabled while a modal
    // window is open.
    HWND WindowInFront() const;

    Application& application_;
    std::function<void()> onClose_;
    HWND window_ = nullptr;
};

} // namespace tarnwick::forms
