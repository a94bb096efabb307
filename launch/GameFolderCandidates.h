// Where players have their games: the folders that DOOMWADPATH names, and
// the folders in which Steam and GOG install the games of the catalogue, as
// current source ports look for them.
#pragma once

#include "FolderReach.h"

#include <string>
#include <vector>

namespace tarnwick {

// Every such folder, not yet looked into, maybe repeated, in this order:
// DOOMWADPATH (";" between entries; an entry that names a file gives its
// folder), Steam (its own library and those of its libraryfolders.vdf, each
// looked into once, for the games it holds), GOG. Relative entries are read
// from the start folder. A registry value, an entry or a library that cannot
// be read or used is passed over, and so is one the reach leaves out.
std::vector<std::string> GameFolderCandidates(Platform& platform, const std::string& startDir,
                                              FolderReach& reach);

} // namespace tarnwick
