// The application's own window: never seen itself, it is the program's one
// taskbar button and its entry in Alt+Tab, captioned with the application's
// title, while the main form carries its own caption. The main form is owned
// by it, so the main form and the forms in front of it have no button of
// their own; minimizing the main form minimizes this window, which hides
// them, and restoring it brings them back.
#pragma once

#include "BoundWindow.h"

#include <functional>
#include <string>

namespace tarnwick::forms {

class ApplicationWindow final : public BoundWindow {
  public:
    // onClose: what closing from the taskbar does (closing the main form).
    ApplicationWindow(HandlerGuard& guard, const std::string& title, std::function<void()> onClose);

    void SetTitle(const std::string& title) { SetWindowTextA(Handle(), title.c_str()); }

    // Puts the button on the taskbar, without taking the activation.
    void ShowButton() { ShowWindow(Handle(), SW_SHOWNA); }
    void Minimize() { ShowWindow(Handle(), SW_MINIMIZE); }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The window that takes the activation when the button is chosen: the
    // program's window in front, which is the only one enabled while a modal
    // window is open.
    HWND WindowInFront() const;

    std::function<void()> onClose_;
};

} // namespace tarnwick::forms
