// What Run starts, looked at before anything is written: the port the batch
// file runs (the ZDoom line and any port not known) or the port itself, with
// its arguments in its own spelling (the Chocolate and Boom lines), which
// misread the response file.
#pragma once

#include "LaunchFolders.h"
#include "LaunchSettings.h"
#include "Platform.h"
#include "PortArguments.h"
#include "PortLines.h"

#include <optional>
#include <string>

namespace tarnwick {

struct LaunchStart {
    PortLine line = PortLine::Other;
    std::string executable; // as the settings name it
    std::string program;    // its full path, where cmd finds it; empty where it finds none
    PortArguments direct;   // for a port that Run starts itself
    // Why Run would start no game, naming the file; nothing when it can.
    std::optional<std::string> problem;
};

// Writes nothing and changes nothing. The port is looked for as cmd looks for
// the batch file's program: in the start folder, then along PATH.
LaunchStart PlanLaunchStart(Platform& platform, const LaunchSettings& settings,
                            const LaunchFolders& folders);

// Before Run saves or starts anything: raises what Save would refuse
// (UnsavableValueError), then UnstartableLaunchError for a launch with a
// problem. Writes nothing.
LaunchStart PlanRun(Platform& platform, const LaunchSettings& settings,
                    const LaunchFolders& folders);

// Starts what was planned, right after the save: the batch file, or the port
// itself in the start folder with DOOMWADDIR set as the batch file sets it.
// Raises IoError when it cannot be started.
void StartLaunch(Platform& platform, const LaunchStart& start, const LaunchFolders& folders);

} // namespace tarnwick
