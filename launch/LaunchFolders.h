// The two folders that the launch files and the scans work with, one pair for
// the whole run; the program owns them and its windows share them.
#pragma once

#include <string>

namespace tarnwick {

struct LaunchFolders {
    // The WAD directory, used exactly as stored: it may be empty and may end
    // with a separator.
    std::string WadDir;
    // The current directory when the main window was created; the launch files
    // are written there. Never changed.
    std::string StartDir;
};

} // namespace tarnwick
