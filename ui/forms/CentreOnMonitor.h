// Where the program's windows first appear: in the middle of their owner's
// monitor, and wholly within its work area when they fit, their title bar
// always. The application's own window, which owns the main form, stands on
// the monitor the program was started on.
#pragma once

#include <windows.h>

namespace tarnwick::forms {

// The monitor the program was started on: the one the system names when it
// starts a program from a taskbar (Windows 8 and later), else the one of the
// position the starter asked for, else the primary monitor.
HMONITOR StartMonitor();

// Where a window of the given size goes on a monitor: its middle on the
// monitor's (halves rounded toward zero), then into the work area as far as
// it fits. A window larger than the work area (a large scale on a small
// screen) starts at the work area's top left, so that its title bar stays
// reachable.
POINT CentredPlace(const RECT& monitor, const RECT& work, SIZE size);

// Moves the window there on its owner's monitor (its own when it has no
// owner), without changing its size, its place in the window order or the
// active window.
void CentreOnMonitor(HWND window);

} // namespace tarnwick::forms
