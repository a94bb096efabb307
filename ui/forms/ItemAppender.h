// Filling a list box or a combo box: one way for both.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tarnwick::forms {

// Appends texts with the control's insert message (LB_INSERTSTRING or
// CB_INSERTSTRING at -1), which never sorts, not even in a sorted box.
class ItemAppender {
  public:
    ItemAppender(HWND control, UINT insertMessage)
        : control_(control), insertMessage_(insertMessage) {}

    void operator()(std::string_view text) const {
        const std::string item(text);
        SendMessageA(control_, insertMessage_, WPARAM(-1), reinterpret_cast<LPARAM>(item.c_str()));
    }

  private:
    HWND control_;
    UINT insertMessage_;
};

} // namespace tarnwick::forms
