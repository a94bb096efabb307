// Finding the game data: IWADs and resource files in the start folder and the
// WAD folder.
#pragma once

#include "IwadCatalogue.h"
#include "LaunchFolders.h"
#include "Platform.h"

#include <bitset>
#include <string>
#include <vector>

namespace tarnwick {

// What the IWAD list shows after a scan: the titles found, in catalogue
// order, then "Custom...", with the first one selected.
struct IwadList {
    std::vector<std::string> titles;
    int selected = 0;
};

// Whether the name (bare, relative or full) is a file of the start folder or
// of the WAD directory: where the saved IWAD is looked for, and a resource
// file typed for Add. Relative paths are read from the start folder, where
// the port will read them, whatever folder a file dialog left current.
bool FileInStartOrWadDir(Platform& platform, const LaunchFolders& folders, const std::string& name);

// The value of DOOMWADDIR; empty when it is unset or empty.
std::string ReadWadDirFromEnvironment(Platform& platform);

// Which IWADs of the catalogue the wildcard pattern lists, by their place in
// the catalogue.
std::bitset<IwadCatalogue.size()> CatalogueIwadsListed(Platform& platform,
                                                       const std::string& pattern);

// Looks for the catalogue's IWADs in the start folder and the WAD directory.
IwadList ScanIwads(Platform& platform, const LaunchFolders& folders);

// Bare names of the *.wad, *.pk3, *.deh and *.bex files of startDir, then of
// wadDir, as the system lists them; repeats are kept, names with a character
// that the ANSI code page lacks are left out.
std::vector<std::string> ScanResourceCandidates(Platform& platform, const std::string& startDir,
                                                const std::string& wadDir);

} // namespace tarnwick
