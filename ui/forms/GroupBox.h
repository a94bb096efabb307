// A framed, captioned group of controls. Controls placed in it count their
// positions from its top-left corner; they are the form's children, so that
// their notifications reach the form directly.
#pragma once

#include "Control.h"

namespace tarnwick::forms {

class GroupBox : public Control, public Container {
  public:
    GroupBox(Container& parent, int id, Bounds bounds, std::string_view caption)
        : Control(parent, id, caption, bounds, {"BUTTON", BS_GROUPBOX}),
          origin_{parent.Origin().left + bounds.left, parent.Origin().top + bounds.top,
                  bounds.width, bounds.height} {}

    FormWindow& OwnerForm() noexcept override { return Control::OwnerForm(); }
    Bounds Origin() const noexcept override { return origin_; }

  private:
    Bounds origin_;
};

} // namespace tarnwick::forms
