#include "ApplicationWindow.h"

#include "Application.h"

#include "ThreadWindows.h"
#include "Win32Error.h"
#include "WindowClass.h"

namespace tarnwick::forms {
namespace {

constexpr char kWindowClass[] = "TarnwickApplication";

// Posted when the button's window is activated: the activation moves on once
// the switch to this window is complete.
constexpr UINT kPassActivation = WM_APP + 2;

void RegisterApplicationClass(WNDPROC windowProc) {
    [[maybe_unused]] static const ATOM atom = RegisterWindowClass(kWindowClass, windowProc);
}

} // namespace

ApplicationWindow::ApplicationWindow(Application& application, const std::string& title,
                                     std::function<void()> onClose)
    : application_(application), onClose_(std::move(onClose)) {
    RegisterApplicationClass(WindowProc);
    // No size, in the middle of the screen: minimizing and restoring are
    // animated from there.
    window_ = CreateWindowExA(0, kWindowClass, title.c_str(),
                              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                              0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!window_) ThrowLastError("CreateWindowEx " + title);
    HMENU menu = GetSystemMenu(window_, FALSE);
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
}

ApplicationWindow::~ApplicationWindow() {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

HWND ApplicationWindow::WindowInFront() const {
    const std::vector<HWND> windows = EnabledWindowsOfThread(window_);
    return windows.empty() ? nullptr : windows.front();
}

LRESULT CALLBACK ApplicationWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<ApplicationWindow*>(
            reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ApplicationWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->application_.Guarded([&] { return self->HandleMessage(message, wParam, lParam); },
                                      LRESULT{0});
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        // Chosen on the taskbar or with Alt+Tab: the window the person works
        // in takes over, with its focus.
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam))
            PostMessageA(window_, kPassActivation, 0, 0);
        return 0;
    case kPassActivation:
        if (GetActiveWindow() == window_ && !IsIconic(window_)) {
            if (HWND front = WindowInFront()) SetActiveWindow(front);
        }
        return 0;
    case WM_SIZE:
        // Minimized, the program's windows go; restored, they come back.
        // (Windows does this for owned windows by itself, Wine does not.)
        if (wParam == SIZE_MINIMIZED)
            ShowOwnedPopups(window_, FALSE);
        else if (wParam == SIZE_RESTORED)
            ShowOwnedPopups(window_, TRUE);
        return 0;
    case WM_CLOSE:
        // While a modal window is open, the program's windows behind it are
        // disabled and closing waits for the modal window to be answered.
        if (HWND front = WindowInFront(); front && GetWindow(front, GW_OWNER) != window_) {
            SetActiveWindow(front);
            return 0;
        }
        if (onClose_) onClose_();
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

} // namespace tarnwick::forms
