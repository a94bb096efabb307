// The folders that hold games on this computer, as the WAD directory dialog
// offers them.
#pragma once

#include "Platform.h"

#include <chrono>
#include <string>
#include <vector>

namespace tarnwick {

// The folders of GameFolderCandidates that hold at least one IWAD of the
// catalogue: most IWADs first, then by path; each folder once (DistinctFolders:
// without regard to the case of a to z, "/" and "\" alike, a trailing
// separator ignored), written with "\" and without a trailing separator, as
// first found. Only the named folders are looked into, one listing each; a
// folder that this program could not use is passed over.
//
// A folder on another computer may keep a lookup waiting for the network, on
// Windows half a minute and more where that computer does not answer. So the
// search runs on a worker thread and is waited for networkWait at the most;
// one that has not ended by then runs again here, passing over every folder
// on another computer (FolderReach), and the one left behind ends on its own.
inline constexpr std::chrono::milliseconds kNetworkWait{2000};
std::vector<std::string> FindGameFolders(Platform& platform, const std::string& startDir,
                                         std::chrono::milliseconds networkWait = kNetworkWait);

} // namespace tarnwick
