// Stops a window from repainting for a scope and repaints it once at the end:
// a list refilled item by item would otherwise repaint after every item.
#pragma once

#include <windows.h>

namespace tarnwick::forms {

class RedrawSuspension {
  public:
    explicit RedrawSuspension(HWND window) : window_(window) {
        SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
    }
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;
    ~RedrawSuspension() {
        SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(window_, nullptr, nullptr,
                     RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }

  private:
    HWND window_;
};

} // namespace tarnwick::forms
