// A caption beside another control: never focused, not in the tab order.
#pragma once

#include "Control.h"
#include "FormWindow.h"

namespace tarnwick::forms {

enum class Wrap { None, Words };

class Label : public Control {
  public:
    Label(Container& parent, int id, Bounds bounds, std::string_view caption,
          Wrap wrap = Wrap::None)
        : Control(parent, id, caption, bounds,
                  {"STATIC",
                   DWORD(SS_NOPREFIX | (wrap == Wrap::Words ? SS_LEFT : SS_LEFTNOWORDWRAP))}) {
        if (FitCaption({0, 0}, Growth::Right, wrap == Wrap::Words))
            OwnerForm().NoteGrownLabel(Handle());
    }
};

} // namespace tarnwick::forms
