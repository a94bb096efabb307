// A top-level window of one of our classes, bound to the object it was made
// for: from its first message (WM_NCCREATE) on, every message reaches the
// object's HandleMessage through the guard, and the object destroys the
// window when it dies.
#pragma once

#include "HandlerGuard.h"

#include <windows.h>

#include <string>

namespace tarnwick::forms {

class BoundWindow {
  public:
    BoundWindow(const BoundWindow&) = delete;
    BoundWindow& operator=(const BoundWindow&) = delete;

    HWND Handle() const noexcept { return window_; }

    // The window procedure that every class of ours is registered with.
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    explicit BoundWindow(HandlerGuard& guard) : guard_(guard) {}
    ~BoundWindow();

    struct Creation {
        const char* windowClass; // registered with Procedure
        DWORD style;
        DWORD exStyle;
        POINT place;
        SIZE size;
        HWND owner;
    };
    // Creates the window, bound to this object. Call it from the most derived
    // class that handles messages: the window's first messages arrive before
    // it returns.
    void Create(const std::string& caption, const Creation& creation);
    // No message reaches HandleMessage any more: the derived object is going.
    void Unbind() noexcept;

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  private:
    HandlerGuard& guard_;
    HWND window_ = nullptr;
};

} // namespace tarnwick::forms
