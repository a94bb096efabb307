#include "BoundWindow.h"

#include "Win32Error.h"

namespace tarnwick::forms {

BoundWindow::~BoundWindow() {
    Unbind();
    DestroyWindow(window_);
}

void BoundWindow::Create(const std::string& caption, const Creation& creation) {
    const HWND window = CreateWindowExA(creation.exStyle, creation.windowClass, caption.c_str(),
                                        creation.style, creation.place.x, creation.place.y,
                                        creation.size.cx, creation.size.cy, creation.owner, nullptr,
                                        GetModuleHandleA(nullptr), static_cast<BoundWindow*>(this));
    if (!window) {
        window_ = nullptr; // bound while a failed creation ran
        ThrowLastError("CreateWindowEx " + caption);
    }
}

void BoundWindow::Unbind() noexcept {
    if (window_) SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
}

LRESULT CALLBACK BoundWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<BoundWindow*>(
            reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<BoundWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->guard_.Guarded([&] { return self->HandleMessage(message, wParam, lParam); },
                                LRESULT{0});
}

} // namespace tarnwick::forms
