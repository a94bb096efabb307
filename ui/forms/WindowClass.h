// Registering the program's own window classes, with its icon.
#pragma once

#include <windows.h>

namespace tarnwick::forms {

// Registers a class of top-level windows of the program, which show the
// program's icon (resource 1, else the system's application icon). Raises
// IoError when the system refuses.
ATOM RegisterWindowClass(const char* name, WNDPROC procedure, HCURSOR cursor = nullptr,
                         HBRUSH background = nullptr);

} // namespace tarnwick::forms
