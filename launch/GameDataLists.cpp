#include "GameDataLists.h"

#include "LaunchFileNames.h"

namespace tarnwick {

IwadList RescanIwads(Platform& platform, GameDataLists& lists, const LaunchFolders& folders) {
    IwadList iwads = ScanIwads(platform, folders);
    lists.ShowIwads(iwads);
    return iwads;
}

void RescanResourceCandidates(Platform& platform, GameDataLists& lists,
                              const LaunchFolders& folders) {
    lists.ShowResourceCandidates(
        ScanResourceCandidates(platform, folders.StartDir, folders.WadDir));
}

IwadList RescanGameData(Platform& platform, GameDataLists& lists, const LaunchFolders& folders) {
    IwadList iwads = RescanIwads(platform, lists, folders);
    RescanResourceCandidates(platform, lists, folders);
    return iwads;
}

IwadList SetWadDir(Platform& platform, GameDataLists& lists, LaunchFolders& folders,
                   std::string wadDir) {
    folders.WadDir = std::move(wadDir);
    platform.SetEnvironment(std::string(kWadDirVariable), folders.WadDir);
    return RescanGameData(platform, lists, folders);
}

} // namespace tarnwick
