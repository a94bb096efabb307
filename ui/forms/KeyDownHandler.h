// The subclass behind a control's key-down event.
#pragma once

#include "WindowSubclass.h"

#include <functional>

namespace tarnwick::forms {

class Application;

// Raises *onKeyDown for every key pressed in window, whatever modifier keys
// are held. Enter is asked for too, so that the dialog manager does not take
// it for the default button.
class KeyDownHandler {
  public:
    KeyDownHandler(Application& application, HWND window,
                   const std::function<void(WORD)>& onKeyDown);

  private:
    WindowSubclass subclass_;
};

} // namespace tarnwick::forms
