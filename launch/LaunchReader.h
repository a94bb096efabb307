// Reading the launch file set back into the settings at start-up.
#pragma once

#include "LaunchFolders.h"
#include "LaunchSettings.h"
#include "Platform.h"
#include "ReaderActions.h"

#include <string>

namespace tarnwick {

// Follows the chain qorvex.bat -> the response file it names -> the console
// script the response file names, in the current directory, and sets the
// fields of the lines it recognises. A missing file ends the reading quietly.
// The batch file also sets the WAD directory and DOOMWADDIR and rescans the
// game data lists. Raises IoError and ConversionError; whatever was set before
// the error stays set and nothing after it is read.
void ReadLaunchFiles(Platform& platform, ReaderActions& actions, LaunchSettings& settings,
                     LaunchFolders& folders);

} // namespace tarnwick
