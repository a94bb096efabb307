// A check box that the user ticks and clears.
#pragma once

#include "Control.h"

#include <functional>

namespace tarnwick::forms {

class CheckBox : public Control {
  public:
    CheckBox(Container& parent, int id, Bounds bounds, std::string_view caption)
        : Control(parent, id, caption, bounds, {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX}) {
        FitCaption({kBoxRoom, 0}, Growth::Right);
    }

    bool Checked() const { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // Raises no click event.
    void SetChecked(bool checked) {
        SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    // As the user's click: toggles and raises onClick.
    void Click() { SendMessageA(Handle(), BM_CLICK, 0, 0); }

    std::function<void()> onClick;

  private:
    // The box, 13 pixels at 96 dpi, and the gap before the caption.
    static constexpr LONG kBoxRoom = 19;

    void Command(WORD code) override {
        if (code == BN_CLICKED && onClick) onClick();
    }
};

} // namespace tarnwick::forms
