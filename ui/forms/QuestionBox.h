// A message box with Yes and No whose Escape key answers No and whose close
// box gives no answer (0). The system's own Yes/No box has neither: Escape
// does nothing and the close box is disabled.
#pragma once

#include <windows.h>

#include <string>

namespace tarnwick::forms {

class Application;

// MessageBoxA with MB_YESNO in style: IDYES, IDNO, or 0 for the close box.
int ShowQuestionBox(Application& application, HWND owner, const std::string& text,
                    const std::string& caption, UINT style);

} // namespace tarnwick::forms
