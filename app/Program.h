// The program as one object: it owns the platform, the application, the two
// folders that the windows share, the main window and its dialogs, and hands
// each window what it works with. The dialogs are made the first time they
// are shown: until then they would only be hidden windows.
#pragma once

#include "Application.h"
#include "LaunchFolders.h"
#include "MainDialogs.h"
#include "TfrmFlags.h"
#include "TfrmLaunchCommand.h"
#include "TfrmMain.h"
#include "Win32Platform.h"
#include "dirsetup.h"

#include <memory>

namespace tarnwick {

class Program final : private MainDialogs {
  public:
    Program();

    // Shows the main window and runs until the program ends.
    void Run();

  private:
    bool ShowDirSetup(std::string_view offered) override;
    void ShowFlags() override;
    void ShowLaunchCommand(const LaunchCommand& command) override;

    Win32Platform platform_;
    forms::Application application_;
    LaunchFolders folders_;
    TfrmMain frmMain_; // the first form: the main window
    // Destroyed before the main window, which owns their windows.
    std::unique_ptr<TfrmDirSetup> frmDirSetup_;
    std::unique_ptr<TfrmFlags> frmFlags_;
    std::unique_ptr<TfrmLaunchCommand> frmLaunchCommand_;
};

} // namespace tarnwick
