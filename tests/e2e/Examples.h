// The launch file sets of the two worked examples, with the scenario's own
// WAD folder in the batch file, and a check that a folder holds one.
#pragma once

#include "LaunchFileSet.h"

#include <string>

namespace tarnwick::e2e {

// Every setting at its default, the IWAD "DOOM 2: Hell on Earth".
LaunchFileSet DefaultExample(const std::string& wadDir);
// Four players hosting, team Red, MAP07, three resource files, deathmatch,
// peer-to-peer, limits 20 and 15, friendly fire 50 %, "-nomusic".
LaunchFileSet FullExample(const std::string& wadDir);

// Puts DOOM2.WAD into the start folder and saves the default example there,
// as a person's earlier session would have; returns what was saved.
LaunchFileSet SaveDefaultExample(const std::string& startFolder, const std::string& wadDir);

// Compares the folder's three files with expected, one file at a time, so
// that a difference names its file.
void ExpectLaunchFiles(const std::string& folder, const LaunchFileSet& expected);

} // namespace tarnwick::e2e
