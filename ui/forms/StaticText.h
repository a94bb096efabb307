// A text the program changes, such as a value shown beside a slider. Not a
// tab stop.
#pragma once

#include "Control.h"

namespace tarnwick::forms {

enum class Sizing {
    Fixed,  // keeps its size; a longer text is cut off
    ToText, // its width follows the text, so that every text shows whole
};

class StaticText : public Control {
  public:
    StaticText(Container& parent, int id, std::string_view text, Bounds bounds,
               Sizing sizing = Sizing::Fixed);

  private:
    void TextChanged() override;

    Sizing sizing_;
};

} // namespace tarnwick::forms
