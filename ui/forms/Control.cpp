#include "Control.h"

#include "Form.h"
#include "Win32Error.h"

namespace tarnwick::forms {

Control::Control(Container& parent, int id, std::string_view text, Bounds bounds, WindowKind kind)
    : form_(parent.OwnerForm()) {
    const Bounds origin = parent.Origin();
    const Dpi& dpi = form_.Resolution();
    const int left = dpi.Scale(origin.left + bounds.left);
    const int top = dpi.Scale(origin.top + bounds.top);
    const int right = dpi.Scale(origin.left + bounds.left + bounds.width);
    const int bottom = dpi.Scale(origin.top + bounds.top + bounds.height);
    const std::string caption(text);
    window_ = CreateWindowExA(kind.exStyle, kind.windowClass, caption.c_str(),
                              WS_CHILD | WS_VISIBLE | WS_GROUP | kind.style, left, top,
                              right - left, bottom - top, form_.Handle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
    if (!window_) ThrowLastError(std::string("CreateWindowEx ") + kind.windowClass);
    SetFont(form_.UiFont());
    form_.Adopt(*this);
}

Control::~Control() { form_.Release(*this); }

std::string Control::Text() const {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window_, text.data(), int(text.size()))));
    return text;
}

void Control::SetText(std::string_view text) {
    const std::string caption(text);
    SetWindowTextA(window_, caption.c_str());
    TextChanged();
}

} // namespace tarnwick::forms
