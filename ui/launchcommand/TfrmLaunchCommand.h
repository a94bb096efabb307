// The Launch Command dialog: what Run would start, as text to read, select and
// copy, with a button that puts the command line on the clipboard for a
// console. It can be resized; the text grows with it.
#pragma once

#include "LaunchCommand.h"

#include "Button.h"
#include "Font.h"
#include "Form.h"
#include "TextView.h"

namespace tarnwick {

class TfrmLaunchCommand : public forms::Form {
  public:
    explicit TfrmLaunchCommand(forms::Application& application,
                               forms::Dpi dpi = forms::Dpi::OfScreen());

    // Shows the description modally and returns when the dialog is closed.
    void ShowCommand(const LaunchCommand& command);

  private:
    void btnCopyClick();

    std::string console_;
    forms::Font fixedPitch_;

  public:
    forms::TextView memCommand;
    forms::Button btnCopy;
    forms::Button btnClose;
};

} // namespace tarnwick
