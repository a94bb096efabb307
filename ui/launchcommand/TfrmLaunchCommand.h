// The Launch Command dialog: what Run would start, as text to read, select and
// copy, with a button that puts the command line on the clipboard for a
// console. It can be resized; the text grows with it.
#pragma once

#include "LaunchCommand.h"
#include "LaunchCommandControlIds.h"
#include "LaunchCommandLayout.h"

#include "Button.h"
#include "ControlTable.h"
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
    using Id = LaunchCommandId;
    static constexpr const auto& kLayout = kLaunchCommandLayout;

    void btnCopyClick();

    std::string console_;
    std::string tooLong_;
    forms::Font fixedPitch_;

  public:
    // The controls, as the dialog's table has them.
#define CONTROL TARNWICK_FORM_MEMBER
#include "LaunchCommandForm.def.h"
};

} // namespace tarnwick
