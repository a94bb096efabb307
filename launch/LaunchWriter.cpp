#include "LaunchWriter.h"

#include "LaunchFileEncoding.h"
#include "LaunchFileNames.h"
#include "PathRules.h"
#include "UnsavableValues.h"

#include <array>

namespace tarnwick {

bool NamedFileExists(Platform& platform, const std::string& startDir, const std::string& name) {
    return !name.empty() &&
           platform.FileExists(FromStartFolder(platform.CodePage(), startDir, name));
}

LaunchFileSet LaunchFilesToSave(Platform& platform, const LaunchSettings& settings,
                                const std::string& wadDir, const std::string& startDir) {
    const AnsiCodePage& codePage = platform.CodePage();
    RefuseUnsavableValues(codePage, settings, wadDir);
    RefuseUnusableStartFolder(codePage, startDir);
    const auto fileExists = [&](const std::string& name) {
        return NamedFileExists(platform, startDir, name);
    };
    LaunchFileSet set = EncodeLaunchFiles(
        platform, settings, wadDir, FormatLaunchFiles(codePage, settings, wadDir, fileExists));
    RefuseMisreadValues(codePage, settings, set.responseFile, fileExists);
    return set;
}

std::string WriteLaunchFiles(Platform& platform, const LaunchSettings& settings,
                             const std::string& wadDir, const std::string& startDir) {
    const LaunchFileSet set = LaunchFilesToSave(platform, settings, wadDir, startDir);
    platform.ChangeDirectory(startDir);
    const std::array<NewFile, kLaunchFilesInSaveOrder.size()> files{{
        {kLaunchFilesInSaveOrder[0], set.responseFile},
        {kLaunchFilesInSaveOrder[1], set.consoleScript},
        {kLaunchFilesInSaveOrder[2], set.batchFile},
    }};
    return ReplaceFileSet(platform, startDir, files);
}

Recovered RecoverLaunchFiles(Platform& platform, const std::string& startDir) {
    return RecoverFileSet(platform, startDir, kLaunchFilesInSaveOrder);
}

void StartLaunchFiles(Platform& platform) { platform.StartHidden(std::string(kBatchFileName)); }

std::string DeleteLaunchFiles(Platform& platform, const std::string& startDir) {
    // By full path: a file dialog may have moved the current directory away.
    // In the order of a save, which the record of the change follows.
    return RemoveFileSet(platform, startDir, kLaunchFilesInSaveOrder);
}

} // namespace tarnwick
