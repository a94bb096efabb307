// Sees a control's own messages before the control does, for as long as the
// object lives. Exceptions from the handler go to the application's error box.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace tarnwick::forms {

class Application;

class WindowSubclass {
  public:
    // Returns a result to answer the message itself, or nothing to pass it on.
    using Handler = std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)>;

    WindowSubclass(Application& application, HWND window, Handler handler);
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;
    ~WindowSubclass();

  private:
    UINT_PTR Id() const noexcept { return reinterpret_cast<UINT_PTR>(this); }
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);

    Application& application_;
    HWND window_;
    Handler handler_;
};

} // namespace tarnwick::forms
