// What Run would start, shown before it does: the command line that the batch
// file comes to, where it runs, and the launch files as a save writes them.
#pragma once

#include "LaunchFolders.h"
#include "LaunchSettings.h"
#include "Platform.h"

#include <string>
#include <string_view>

namespace tarnwick {

struct LaunchCommand {
    // For the person: the port's full path with the arguments it takes from
    // the response file, a note where the port reads it otherwise, the
    // working folder, DOOMWADDIR and the three files; or the message of Save
    // for a value that it refuses. Lines end with CR LF.
    std::string text;
    // For a console: DOOMWADDIR set, then the command line; empty when Save
    // would refuse.
    std::string console;
};

// Writes nothing and changes nothing.
LaunchCommand DescribeLaunch(Platform& platform, const LaunchSettings& settings,
                             const LaunchFolders& folders);

// One argument of a console command line, so that the program's C runtime
// gets it back whole and cmd leaves it alone: in double quotes when it is
// empty or holds a blank, a tab, a double quote or one of cmd's "&|<>^", with
// a double quote and the backslashes before it escaped by backslashes.
std::string ConsoleArgument(std::string_view argument);

} // namespace tarnwick
