// The dialogs that the main window opens. The program owns them and makes
// each when it is first shown.
#pragma once

#include "LaunchCommand.h"

#include <string_view>

namespace tarnwick {

class MainDialogs {
  public:
    virtual ~MainDialogs() = default;
    // The WAD directory dialog, modally: returns when it is closed, true when
    // the person confirmed a folder. offered: a folder its field offers where
    // there is no WAD directory yet, before the folders that hold games.
    virtual bool ShowDirSetup(std::string_view offered) = 0;
    // The DMFLAGS dialog, modally.
    virtual void ShowFlags() = 0;
    // The Launch Command dialog with the description, modally.
    virtual void ShowLaunchCommand(const LaunchCommand& command) = 0;
};

} // namespace tarnwick
