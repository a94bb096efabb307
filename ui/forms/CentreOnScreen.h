// Where the program's windows first appear: in the middle of the screen.
#pragma once

#include <windows.h>

namespace tarnwick::forms {

// Moves the window, without changing its size, its place in the window order
// or the active window, so that its middle is the screen's (halves rounded
// toward zero).
void CentreOnScreen(HWND window);

} // namespace tarnwick::forms
