#include "ApplicationWindow.h"

#include "CentreOnMonitor.h"
#include "ThreadWindows.h"
#include "WindowClass.h"

namespace tarnwick::forms {
namespace {

constexpr char kWindowClass[] = "TarnwickApplication";

// Posted when the button's window is activated: the activation moves on once
// the switch to this window is complete.
constexpr UINT kPassActivation = WM_APP + 2;

void RegisterApplicationClass() {
    [[maybe_unused]] static const ATOM atom =
        RegisterWindowClass(kWindowClass, BoundWindow::Procedure);
}

} // namespace

ApplicationWindow::ApplicationWindow(HandlerGuard& guard, const std::string& title,
                                     std::function<void()> onClose)
    : BoundWindow(guard), onClose_(std::move(onClose)) {
    RegisterApplicationClass();
    // No size, in the middle of the monitor the program was started on: the
    // main form appears on that monitor, and minimizing and restoring are
    // animated from there.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(StartMonitor(), &monitor);
    const POINT middle = CentredPlace(monitor.rcMonitor, monitor.rcWork, {0, 0});
    Create(title, {kWindowClass,
                   WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                   0,
                   middle,
                   {0, 0},
                   nullptr});
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
}

HWND ApplicationWindow::WindowInFront() const {
    const std::vector<HWND> windows = EnabledWindowsOfThread(Handle());
    return windows.empty() ? nullptr : windows.front();
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        // Chosen on the taskbar or with Alt+Tab: the window the person works
        // in takes over, with its focus.
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam))
            PostMessageA(Handle(), kPassActivation, 0, 0);
        return 0;
    case kPassActivation:
        if (GetActiveWindow() == Handle() && !IsIconic(Handle())) {
            if (HWND front = WindowInFront()) SetActiveWindow(front);
        }
        return 0;
    case WM_SIZE:
        // Minimized, the program's windows go; restored, they come back.
        // (Windows does this for owned windows by itself, Wine does not.)
        if (wParam == SIZE_MINIMIZED)
            ShowOwnedPopups(Handle(), FALSE);
        else if (wParam == SIZE_RESTORED)
            ShowOwnedPopups(Handle(), TRUE);
        return 0;
    case WM_CLOSE:
        // While a modal window is open, the program's windows behind it are
        // disabled and closing waits for the modal window to be answered.
        if (HWND front = WindowInFront(); front && GetWindow(front, GW_OWNER) != Handle()) {
            SetActiveWindow(front);
            return 0;
        }
        if (onClose_) onClose_();
        return 0;
    default:
        return DefWindowProcA(Handle(), message, wParam, lParam);
    }
}

} // namespace tarnwick::forms
