#include "CentreOnScreen.h"

#include <algorithm>

namespace tarnwick::forms {
namespace {

// The start of a span of the given length, moved into [low, high) as far as
// it fits, and never before low.
int Within(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

} // namespace

void CentreOnScreen(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int left =
        Within(GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2, width, work.left, work.right);
    const int top =
        Within(GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2, height, work.top, work.bottom);
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace tarnwick::forms
