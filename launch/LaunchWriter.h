// Writing the launch file set, starting it, and removing it.
#pragma once

#include "FileSetReplacement.h"
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
LaunchFileSet FormatLaunchFiles(const AnsiCodePage& codePage, const LaunchSettings& settings,
                                const std::string& wadDir,
                                const std::function<bool(const std::string&)>& fileExists);

// Raises UnsavableValueError, naming the field and the value, for a value that
// the launch files cannot carry whole: a path (the WAD directory, the custom
// IWAD and executable, a resource file, the demos, the saved game) with a
// double quote, which no Windows path holds and which would end its quoting;
// any written value with a control character; a path with a character lost
// on its way in (shown as "?") or too long for the ports (PathRules): in
// characters for every port, in bytes too for those that read ANSI. Values
// that a save leaves out are not looked at.
void RefuseUnsavableValues(const AnsiCodePage& codePage, const LaunchSettings& settings,
                           const std::string& wadDir);

// The bytes of the files as they go to disk: the batch file in the OEM code
// page that cmd reads it in, the response file in the encoding the chosen
// port reads (SourcePortItem). Raises UnsavableValueError, naming the value,
// for a WAD directory or an executable that the OEM code page lacks a
// character of.
LaunchFileSet EncodeLaunchFiles(Platform& platform, const LaunchSettings& settings,
                                const std::string& wadDir, LaunchFileSet set);

// The executable that the batch file runs, as the settings name it.
std::string SourcePortExecutable(const LaunchSettings& settings);
// The encoding the response file is written in for the chosen port.
TextEncoding ResponseFileEncoding(const LaunchSettings& settings);

// The three files exactly as a save writes them (EncodeLaunchFiles), after
// refusing what a save refuses (RefuseUnsavableValues, and a start folder
// with a lost character): demos and saved games are looked for as if
// startDir were the current directory. Changes nothing.
LaunchFileSet LaunchFilesToSave(Platform& platform, const LaunchSettings& settings,
                                const std::string& wadDir, const std::string& startDir);

// Refuses unsavable values before anything else (also a WAD directory or an
// executable that the batch file's code page lacks), then makes startDir the
// current directory and replaces the three files there (ReplaceFileSet),
// encoded by EncodeLaunchFiles: the earlier set or the new one stands,
// whole, whatever fails; IoError says which.
void WriteLaunchFiles(Platform& platform, const LaunchSettings& settings, const std::string& wadDir,
                      const std::string& startDir);

// Completes what a save or a Reset cut short left in startDir
// (RecoverFileSet); Save and Reset do it first. Raises IoError.
Recovery RecoverLaunchFiles(Platform& platform, const std::string& startDir);

// Starts qorvex.bat of the current directory with no visible window; Run
// calls it right after WriteLaunchFiles, which made the start folder current.
// Raises IoError when it cannot be started.
void StartLaunchFiles(Platform& platform);

// Deletes those of the three files that exist in startDir, all or none
// (RemoveFileSet). Raises IoError.
void DeleteLaunchFiles(Platform& platform, const std::string& startDir);

} // namespace tarnwick
