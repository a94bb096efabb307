// Reading the launch file set back into the settings at start-up.
#pragma once

#include "LaunchFolders.h"
#include "LaunchSettings.h"
#include "Platform.h"
#include "ReaderActions.h"

#include <optional>
#include <string>

namespace tarnwick {

// Where the WAD directory of a start comes from: the saved batch file, or
// the WAD directory dialog, where the person confirmed one at this start.
enum class StartWadDir { FromSavedSet, Confirmed };

// Follows the chain qorvex.bat -> the response file it names -> the console
// script the response file names, in the current directory, and sets the
// fields of the lines it recognises. A missing file ends the reading quietly.
// The batch file also sets the WAD directory and DOOMWADDIR and rescans the
// game data lists, unless the person confirmed a WAD directory at this
// start: that one stands. Values whose reading lost characters that the ANSI
// code page lacks are told once, after the response file. Raises IoError and
// ConversionError; whatever was set before the error stays set and nothing
// after it is read.
void ReadLaunchFiles(Platform& platform, ReaderActions& actions, LaunchSettings& settings,
                     LaunchFolders& folders, StartWadDir startWadDir = StartWadDir::FromSavedSet);

// The WAD directory of the saved set in the current directory, read as
// ReadLaunchFiles reads it; nothing without a saved batch file, or where it
// cannot be read (ReadLaunchFiles says why).
std::optional<std::string> ReadSavedWadDir(Platform& platform);

} // namespace tarnwick
