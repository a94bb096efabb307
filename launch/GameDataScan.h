// Finding the game data: IWADs and resource files in the start folder and the
// WAD folder.
#pragma once

#include "Platform.h"

#include <string>
#include <vector>

namespace tarnwick {

// What the IWAD list shows after a scan: the titles found, in catalogue
// order, then "Custom...", with the first one selected.
struct IwadList {
    std::vector<std::string> titles;
    int selected = 0;
};

// Whether the name (bare, relative or full) is a file of the current
// directory or of the WAD directory: where the saved IWAD is looked for, and
// a resource file typed for Add.
bool FileInCurrentOrWadDir(Platform& platform, const std::string& wadDir, const std::string& name);

// The value of DOOMWADDIR; empty when it is unset or empty.
std::string ReadWadDirFromEnvironment(Platform& platform);

// Looks for the catalogue's IWADs in the current directory and in wadDir.
IwadList ScanIwads(Platform& platform, const std::string& wadDir);

// Bare names of the *.wad, *.pk3, *.deh and *.bex files of startDir, then of
// wadDir, as the system lists them; repeats are kept, names with a character
// that the ANSI code page lacks are left out.
std::vector<std::string> ScanResourceCandidates(Platform& platform, const std::string& startDir,
                                                const std::string& wadDir);

} // namespace tarnwick
