// A one-line text field.
#pragma once

#include "Control.h"
#include "KeyDownHandler.h"

#include <memory>

namespace tarnwick::forms {

class Edit : public Control {
  public:
    static constexpr int kNoLimit = 0;

    Edit(Container& parent, int id, Bounds bounds, std::string_view text = {},
         int maxLength = kNoLimit)
        : Control(parent, id, text, bounds,
                  {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE}) {
        SetMaxLength(maxLength);
    }

    // kNoLimit lets the field take as much text as the system allows.
    void SetMaxLength(int characters) {
        SendMessageA(Handle(), EM_LIMITTEXT, WPARAM(characters), 0);
    }
    int MaxLength() const { return int(SendMessageA(Handle(), EM_GETLIMITTEXT, 0, 0)); }

    // Keys pressed in the field raise onKeyDown from now on; a field that
    // needs no keys of its own is left without the subclass.
    void ReportKeys();
    KeyDownEvent onKeyDown;

  private:
    std::unique_ptr<KeyDownHandler> keys_;
};

} // namespace tarnwick::forms
