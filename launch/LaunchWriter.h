// The operations on the launch file set in the start folder: saving it,
// starting it, removing it, and completing what a save cut short left.
#pragma once

#include "FileSetReplacement.h"
#include "LaunchFileFormat.h"
#include "LaunchSettings.h"
#include "Platform.h"

#include <string>

namespace tarnwick {

// Whether a demo or a saved game names an existing file, as a save looks for
// it: a relative name in startDir, whatever the current directory.
bool NamedFileExists(Platform& platform, const std::string& startDir, const std::string& name);

// The three files exactly as a save writes them (EncodeLaunchFiles), after
// refusing what a save refuses (RefuseUnsavableValues, and a start folder
// with a lost character), and before refusing what the port would misread
// in them (RefuseMisreadValues): demos and saved games are looked for as if
// startDir were the current directory. Changes nothing.
LaunchFileSet LaunchFilesToSave(Platform& platform, const LaunchSettings& settings,
                                const std::string& wadDir, const std::string& startDir);

// Refuses unsavable values before anything else (also a WAD directory or an
// executable that the batch file's code page lacks), then makes startDir the
// current directory and replaces the three files there (ReplaceFileSet),
// encoded by EncodeLaunchFiles: the earlier set or the new one stands,
// whole, whatever fails; IoError says which. Gives the words about files of
// the save that stay (empty when none do).
std::string WriteLaunchFiles(Platform& platform, const LaunchSettings& settings,
                             const std::string& wadDir, const std::string& startDir);

// Completes what a save or a Reset cut short left in startDir
// (RecoverFileSet); Save and Reset do it first. Raises IoError.
Recovered RecoverLaunchFiles(Platform& platform, const std::string& startDir);

// Starts qorvex.bat of the current directory with no visible window; Run
// calls it right after WriteLaunchFiles, which made the start folder current.
// Raises IoError when it cannot be started.
void StartLaunchFiles(Platform& platform);

// Deletes those of the three files that exist in startDir, all or none
// (RemoveFileSet). Raises IoError; gives the words about files of the
// removal that stay (empty when none do).
std::string DeleteLaunchFiles(Platform& platform, const std::string& startDir);

} // namespace tarnwick
