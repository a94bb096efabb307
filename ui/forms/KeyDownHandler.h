// The subclass behind a control's key-down event.
#pragma once

#include "WindowSubclass.h"

#include <functional>
#include <memory>

namespace tarnwick::forms {

class Application;

// Raises *onKeyDown for every key pressed in window, whatever modifier keys
// are held. Enter is asked for too, so that the dialog manager does not take
// it for the default button.
std::unique_ptr<WindowSubclass> MakeKeyDownHandler(Application& application, HWND window,
                                                   const std::function<void(WORD)>& onKeyDown);

} // namespace tarnwick::forms
