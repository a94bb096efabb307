// Where the program's windows first appear: in the middle of the screen, and
// wholly within its work area when they fit, their title bar always.
#pragma once

#include <windows.h>

namespace tarnwick::forms {

// Moves the window, without changing its size, its place in the window order
// or the active window, so that its middle is the screen's (halves rounded
// toward zero); then into the work area of its monitor. A window larger than
// the work area (a large scale on a small screen) starts at the work area's
// top left, so that its title bar stays reachable.
void CentreOnScreen(HWND window);

} // namespace tarnwick::forms
