// What a control is placed in: a form, or a group box on a form. Positions of
// the controls inside count from the container's top-left corner.
#pragma once

#include "Bounds.h"

namespace tarnwick::forms {

class FormWindow;

class Container {
  public:
    virtual FormWindow& OwnerForm() noexcept = 0;
    // The container's top-left corner in the form's client area, in 96-dpi pixels.
    virtual Bounds Origin() const noexcept = 0;

  protected:
    ~Container() = default;
};

} // namespace tarnwick::forms
