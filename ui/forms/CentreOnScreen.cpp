#include "CentreOnScreen.h"

namespace tarnwick::forms {

void CentreOnScreen(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const int left = GetSystemMetrics(SM_CXSCREEN) / 2 - (frame.right - frame.left) / 2;
    const int top = GetSystemMetrics(SM_CYSCREEN) / 2 - (frame.bottom - frame.top) / 2;
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace tarnwick::forms
