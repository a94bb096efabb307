// The text of the launch file set: what a save writes, line by line.
#pragma once

#include "AnsiCodePage.h"
#include "LaunchSettings.h"
#include "SettingsTables.h"

#include <functional>
#include <string>
#include <string_view>

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

// Whether an entry of the file list is a patch: it ends in ".deh" or ".bex",
// in lower case.
bool IsPatch(std::string_view entry);

// The IWAD as the launch files name it: a catalogue title's file name, or
// the custom IWAD as chosen.
std::string IwadFileName(const LaunchSettings& settings);

// The entry of the source-port table that the settings choose: the custom one
// (whose executable is empty) for any index but a known port's.
const SourcePortItem& ChosenPort(const LaunchSettings& settings);

// The executable that the batch file runs, as the settings name it.
std::string SourcePortExecutable(const LaunchSettings& settings);

} // namespace tarnwick
