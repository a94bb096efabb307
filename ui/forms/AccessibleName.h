// A control's name for screen readers where neither its caption nor the
// label before it gives one (a glyph button, a list whose label belongs to
// another control): it answers the system's accessibility query with the
// system's own accessible object for it, under this name.
#pragma once

#include "WindowSubclass.h"

#include <string>

namespace tarnwick::forms {

class AccessibleName {
  public:
    AccessibleName(HandlerGuard& guard, HWND window, std::string name);

    const std::string& Name() const noexcept { return name_; }

  private:
    std::optional<LRESULT> Answer(WPARAM flags, LPARAM objectId);

    HWND window_;
    std::string name_;
    WindowSubclass subclass_;
};

} // namespace tarnwick::forms
