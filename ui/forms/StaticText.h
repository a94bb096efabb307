// A text the program changes, such as a value shown beside a slider. Not a
// tab stop.
#pragma once

#include "Control.h"

namespace tarnwick::forms {

class StaticText : public Control {
  public:
    StaticText(Container& parent, int id, std::string_view text, Bounds bounds)
        : Control(parent, id, text, bounds, {"STATIC", DWORD(SS_NOPREFIX | SS_LEFTNOWORDWRAP)}) {}
};

} // namespace tarnwick::forms
