// Lines of text to read, select and copy, which the person cannot change: a
// read-only multi-line field that scrolls both ways, its lines never wrapped.
#pragma once

#include "Control.h"

namespace tarnwick::forms {

class TextView : public Control {
  public:
    TextView(Container& parent, int id, Bounds bounds)
        : Control(parent, id, {}, bounds,
                  {"EDIT",
                   WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                       ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                   WS_EX_CLIENTEDGE}) {
        SendMessageA(Handle(), EM_LIMITTEXT, 0, 0); // as much as the system takes
    }
};

} // namespace tarnwick::forms
