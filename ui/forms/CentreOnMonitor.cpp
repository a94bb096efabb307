#include "CentreOnMonitor.h"

#include <algorithm>

namespace tarnwick::forms {
namespace {

// The start of a span of the given length, moved into [low, high) as far as
// it fits, and never before low.
int Within(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

MONITORINFO InfoOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) info.cbSize = 0;
    return info;
}

} // namespace

HMONITOR StartMonitor() {
    STARTUPINFOA start{};
    start.cb = sizeof start;
    GetStartupInfoA(&start);
    // Where the standard handles are not given, the system may pass the
    // monitor there instead; only a valid monitor counts.
    const auto named = reinterpret_cast<HMONITOR>(start.hStdOutput);
    if (!(start.dwFlags & STARTF_USESTDHANDLES) && named && InfoOf(named).cbSize != 0) return named;
    POINT asked{0, 0};
    if (start.dwFlags & STARTF_USEPOSITION) asked = {LONG(start.dwX), LONG(start.dwY)};
    return MonitorFromPoint(asked, MONITOR_DEFAULTTOPRIMARY);
}

POINT CentredPlace(const RECT& monitor, const RECT& work, SIZE size) {
    const int left = monitor.left + (monitor.right - monitor.left) / 2 - size.cx / 2;
    const int top = monitor.top + (monitor.bottom - monitor.top) / 2 - size.cy / 2;
    return {Within(left, size.cx, work.left, work.right),
            Within(top, size.cy, work.top, work.bottom)};
}

void CentreOnMonitor(HWND window) {
    const HWND owner = GetWindow(window, GW_OWNER);
    // A window of no size (the application's own) is on the monitor nearest
    // to its place.
    const MONITORINFO monitor =
        InfoOf(MonitorFromWindow(owner ? owner : window, MONITOR_DEFAULTTONEAREST));
    RECT frame{};
    GetWindowRect(window, &frame);
    const POINT place = CentredPlace(monitor.rcMonitor, monitor.rcWork,
                                     {frame.right - frame.left, frame.bottom - frame.top});
    SetWindowPos(window, nullptr, place.x, place.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace tarnwick::forms
