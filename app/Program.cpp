#include "Program.h"

#include "Win32Prompts.h"

namespace tarnwick {
namespace {

// The real dialogs answer: the application has them before its first form.
forms::Application& AnsweredBySystem(forms::Application& application) {
    application.SetPrompts(std::make_unique<forms::Win32Prompts>(application));
    return application;
}

} // namespace

Program::Program()
    : application_("Tarnwick"),
      frmMain_(AnsweredBySystem(application_), platform_, folders_, *this) {}

void Program::Run() {
    frmMain_.Show();
    application_.Run();
}

bool Program::ShowDirSetup(std::string_view offered) {
    if (!frmDirSetup_)
        frmDirSetup_ = std::make_unique<TfrmDirSetup>(application_, platform_, frmMain_, folders_);
    frmDirSetup_->Offer(offered);
    return frmDirSetup_->ShowModal() == forms::ModalResult::Ok;
}

void Program::ShowFlags() {
    if (!frmFlags_) frmFlags_ = std::make_unique<TfrmFlags>(application_);
    frmFlags_->ShowModal();
}

void Program::ShowLaunchCommand(const LaunchCommand& command) {
    if (!frmLaunchCommand_) frmLaunchCommand_ = std::make_unique<TfrmLaunchCommand>(application_);
    frmLaunchCommand_->ShowCommand(command);
}

} // namespace tarnwick
