// The subclass behind a control's key-down event.
#pragma once

#include "WindowSubclass.h"

#include <functional>

namespace tarnwick::forms {

class Application;

// A key pressed in a control, with its virtual-key code (the modifier keys
// are read with GetKeyState). Returns true when it acted on the key: the
// control then does not see it.
using KeyDownEvent = std::function<bool(WORD key)>;

// Raises *onKeyDown for every key pressed in window, whatever modifier keys
// are held. With wantsEnter, Enter is asked for too while *onKeyDown is set,
// so that the dialog manager does not take it for the default button.
class KeyDownHandler {
  public:
    KeyDownHandler(Application& application, HWND window, const KeyDownEvent& onKeyDown,
                   bool wantsEnter = true);

  private:
    WindowSubclass subclass_;
};

} // namespace tarnwick::forms
