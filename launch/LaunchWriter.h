// Writing the launch file set, starting it, and removing it.
#pragma once

#include "LaunchSettings.h"
#include "Platform.h"

#include <functional>
#include <string>

namespace tarnwick {

// The three files' contents, each line ended by CR LF.
struct LaunchFileSet {
    std::string responseFile;  // qorvex.rsp
    std::string consoleScript; // qorvex.cfg
    std::string batchFile;     // qorvex.bat
};

// The text of the three files. fileExists answers whether a demo or saved game
// names an existing file (relative names against the start folder).
LaunchFileSet FormatLaunchFiles(const LaunchSettings& settings, const std::string& wadDir,
                                const std::function<bool(const std::string&)>& fileExists);

// Makes startDir the current directory and writes the three files there. The
// earlier files are replaced only when all three new ones were written; on any
// failure they stay as they were and IoError is raised.
void WriteLaunchFiles(Platform& platform, const LaunchSettings& settings, const std::string& wadDir,
                      const std::string& startDir);

// Starts qorvex.bat of the current directory with no visible window. Raises
// IoError when it cannot be started.
void StartLaunchFiles(Platform& platform);

// WriteLaunchFiles, then starts qorvex.bat with no visible window. Raises
// IoError when the batch file cannot be started.
void RunLaunch(Platform& platform, const LaunchSettings& settings, const std::string& wadDir,
               const std::string& startDir);

// Deletes those of the three files that exist in startDir.
void DeleteLaunchFiles(Platform& platform, const std::string& startDir);

} // namespace tarnwick
