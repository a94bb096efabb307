#include "TfrmLaunchCommand.h"

#include "Application.h"
#include "Clipboard.h"
#include "UserPrompts.h"

namespace tarnwick {

using forms::Follow;

TfrmLaunchCommand::TfrmLaunchCommand(forms::Application& application, forms::Dpi dpi)
    : Form(application,
           {"Launch Command", kLayout.clientWidth, kLayout.clientHeight, forms::FrameKind::Sizable},
           dpi),
      // Lines of files and command lines keep their columns.
      fixedPitch_("Courier New", dpi.Scale(12), DEFAULT_CHARSET, FIXED_PITCH | FF_MODERN)
#define CONTROL TARNWICK_CONTROL_MADE
#include "LaunchCommandForm.def.h"
{
    memCommand.SetFont(fixedPitch_.Handle());
    memCommand.SetAccessibleName("What Run will start");
    memCommand.Anchor(Follow::Both, Follow::Both);
    btnCopy.Anchor(Follow::End, Follow::End);
    btnClose.Anchor(Follow::End, Follow::End);
    btnCopy.onClick = [this] { btnCopyClick(); };
    btnClose.SetModalResult(forms::ModalResult::Cancel);
    SetDefaultButton(btnClose);
    SetCancelButton(btnClose);
}

void TfrmLaunchCommand::ShowCommand(const LaunchCommand& command) {
    memCommand.SetText(command.text);
    console_ = command.console;
    tooLong_ = command.tooLong;
    // A value that Save refuses leaves nothing to run.
    btnCopy.SetEnabled(!console_.empty());
    ShowModal();
}

void TfrmLaunchCommand::btnCopyClick() {
    // A command cut short would start something else: none is offered.
    if (!tooLong_.empty())
        App().Prompts().ShowMessage(Handle(), tooLong_, "Launch Command", MB_OK | MB_ICONWARNING);
    else
        forms::CopyToClipboard(Handle(), console_);
}

} // namespace tarnwick
