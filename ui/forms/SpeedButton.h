// A button that acts like a toolbar button: a click does not take the
// keyboard focus from where it is, and Tab never stops on it.
#pragma once

#include "Application.h"
#include "Button.h"
#include "WindowSubclass.h"

namespace tarnwick::forms {

class SpeedButton : public Button {
  public:
    SpeedButton(Container& parent, int id, Bounds bounds, std::string_view caption)
        : Button(parent, id, bounds, caption, 0),
          focusReturner_(OwnerForm().App(), Handle(), [](UINT message, WPARAM wParam, LPARAM) {
              // A push button takes the focus when pressed; hand it straight
              // back to the control that had it.
              if (message == WM_SETFOCUS && wParam) SetFocus(reinterpret_cast<HWND>(wParam));
              return std::optional<LRESULT>{};
          }) {}

  private:
    WindowSubclass focusReturner_;
};

} // namespace tarnwick::forms
