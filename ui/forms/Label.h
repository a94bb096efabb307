// A caption beside another control: never focused, not in the tab order.
#pragma once

#include "Control.h"

namespace tarnwick::forms {

enum class Wrap { None, Words };

class Label : public Control {
  public:
    Label(Container& parent, int id, std::string_view caption, Bounds bounds,
          Wrap wrap = Wrap::None)
        : Control(parent, id, caption, bounds,
                  {"STATIC",
                   DWORD(SS_NOPREFIX | (wrap == Wrap::Words ? SS_LEFT : SS_LEFTNOWORDWRAP))}) {
        FitCaption({0, 0}, Growth::Right, wrap == Wrap::Words);
    }
};

} // namespace tarnwick::forms
