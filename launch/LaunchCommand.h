// What Run would start, shown before it does: the command line that it comes
// to, where it runs, what the port cannot be given, and the launch files as a
// save writes them.
#pragma once

#include "LaunchFolders.h"
#include "LaunchSettings.h"
#include "Platform.h"

#include <string>

namespace tarnwick {

struct LaunchCommand {
    // For the person: the port's full path with its arguments (its own, for
    // a port that Run starts itself; otherwise those it takes from the
    // response file), why Run would start no game, the values the port
    // cannot take, the working folder, DOOMWADDIR and the three files; or
    // the message of Save for a value that it refuses. Lines end with CR LF.
    std::string text;
    // For a Command Prompt: DOOMWADDIR set, then the command line; empty when
    // Save would refuse.
    std::string console;
    // Why the command line cannot be pasted whole, when it is longer than a
    // Command Prompt takes; console is then not to be offered.
    std::string tooLong;
};

// Writes nothing and changes nothing.
LaunchCommand DescribeLaunch(Platform& platform, const LaunchSettings& settings,
                             const LaunchFolders& folders);

} // namespace tarnwick
