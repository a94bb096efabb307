#include "KeyDownEvent.h"

namespace tarnwick::forms {

KeyDownEvent& KeyDownEvent::operator=(Handler handler) {
    handler_ = std::move(handler);
    if (handler_ && !watch_)
        watch_.emplace(guard_, window_, [this](UINT message, WPARAM wParam, LPARAM lParam) {
            return Message(message, wParam, lParam);
        });
    return *this;
}

std::optional<LRESULT> KeyDownEvent::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!handler_) return std::nullopt;
    // With Alt held a key arrives as a system key; it is raised the same way
    // and, unless acted on, still passed on, so that Alt+F4 and the system
    // menu keys keep working.
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && handler_(static_cast<WORD>(wParam)))
        return 0;
    if (enter_ == Enter::ToHandler && message == WM_GETDLGCODE && lParam) {
        const auto* pending = reinterpret_cast<const MSG*>(lParam);
        if (pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN)
            return watch_->CallNext(message, wParam, lParam) | DLGC_WANTMESSAGE;
    }
    return std::nullopt;
}

} // namespace tarnwick::forms
