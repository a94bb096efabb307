#include "FormWindow.h"

namespace tarnwick::forms {

FormWindow::FormWindow(Application& application, Dpi dpi)
    : BoundWindow(application), application_(application), dpi_(dpi), font_(Font::Ui(dpi)),
      canvas_(font_.Handle()) {}

void FormWindow::EndModal(ModalResult result) {
    if (!modal_) return;
    modalResult_ = result;
    // The modal loop looks at the result after each message: wake it now
    // rather than at the next input.
    PostMessageA(Handle(), WM_NULL, 0, 0);
}

Control* FormWindow::ControlOf(HWND window) const {
    const auto found = controls_.find(window);
    return found == controls_.end() ? nullptr : found->second;
}

} // namespace tarnwick::forms
