// The modal input box: a prompt, a field of at most 255 characters, OK and
// Cancel.
#pragma once

#include "Button.h"
#include "Edit.h"
#include "Form.h"
#include "Label.h"

#include <string>

namespace tarnwick::forms {

class InputBoxForm : public Form {
  public:
    static constexpr int kMaxLength = 255;

    // owner: the window it stands in front of and returns to (the main form
    // when none is given).
    InputBoxForm(Application& application, HWND owner, const std::string& title,
                 const std::string& prompt, const std::string& initialText);

    // Shows the box modally: the typed text on OK, the initial text on Cancel.
    std::string Ask();

  private:
    std::string initialText_;
    Label prompt_;
    Edit text_;
    Button ok_;
    Button cancel_;
};

} // namespace tarnwick::forms
