// The folders that hold games on this computer, as the WAD directory dialog
// offers them.
#pragma once

#include "Platform.h"

#include <string>
#include <vector>

namespace tarnwick {

// The folders of GameFolderCandidates that hold at least one IWAD of the
// catalogue: most IWADs first, then by path; each folder once (DistinctFolders:
// without regard to the case of a to z, "/" and "\" alike, a trailing
// separator ignored), written with "\" and without a trailing separator, as
// first found. Only the named folders are looked into, one listing each; a
// folder that this program could not use is passed over, and so is one on
// another computer that does not answer in time (BoundedLookups).
std::vector<std::string> FindGameFolders(Platform& platform, const std::string& startDir);

} // namespace tarnwick
