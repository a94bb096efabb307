// The program's top-level windows that take input now.
#pragma once

#include <windows.h>

#include <vector>

namespace tarnwick::forms {

// The visible, enabled top-level windows of the calling thread but one, from
// the top of the window order down.
std::vector<HWND> EnabledWindowsOfThread(HWND except);

} // namespace tarnwick::forms
