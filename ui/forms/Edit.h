// A one-line text field; it holds whatever is typed or pasted (Control).
#pragma once

#include "Control.h"
#include "FormWindow.h"
#include "KeyDownEvent.h"

namespace tarnwick::forms {

class Edit : public Control {
  public:
    static constexpr int kNoLimit = 0;

    Edit(Container& parent, int id, Bounds bounds, std::string_view text = {},
         int maxLength = kNoLimit)
        : Control(parent, id, text, bounds,
                  {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE, true}),
          onKeyDown(OwnerForm().App(), Handle(), KeyDownEvent::Enter::ToDefaultButton) {
        SetMaxLength(maxLength);
    }

    // kNoLimit lets the field take as much text as the system allows.
    void SetMaxLength(int characters) {
        SendMessageA(Handle(), EM_LIMITTEXT, WPARAM(characters), 0);
    }

    // Enter stays the default button's (KeyDownEvent).
    KeyDownEvent onKeyDown;
};

} // namespace tarnwick::forms
