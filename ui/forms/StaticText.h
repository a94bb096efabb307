// A text the program changes, such as a value shown beside a slider. Not a
// tab stop.
#pragma once

#include "Control.h"

namespace tarnwick::forms {

enum class Sizing {
    Fixed,  // keeps its size, made wide enough for its widest text
    ToText, // its width follows the text, so that every text shows whole
};

class StaticText : public Control {
  public:
    // widest: the widest text a fixed one shows, if wider than its first.
    StaticText(Container& parent, int id, Bounds bounds, std::string_view text,
               Sizing sizing = Sizing::Fixed, std::string_view widest = {});

  private:
    void TextChanged() override;

    Sizing sizing_;
};

} // namespace tarnwick::forms
