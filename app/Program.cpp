#include "Program.h"

namespace tarnwick {

Program::Program() : application_("Tarnwick"), frmMain_(application_, platform_, folders_, *this) {}

void Program::ShowDirSetup() {
    if (!frmDirSetup_)
        frmDirSetup_ = std::make_unique<TfrmDirSetup>(application_, platform_, frmMain_, folders_);
    frmDirSetup_->ShowModal();
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
