#include "GameDataLists.h"

namespace tarnwick {

IwadList RescanIwads(Platform& platform, GameDataLists& lists, const std::string& wadDir) {
    IwadList iwads = ScanIwads(platform, wadDir);
    lists.ShowIwads(iwads);
    return iwads;
}

void RescanResourceCandidates(Platform& platform, GameDataLists& lists,
                              const LaunchFolders& folders) {
    lists.ShowResourceCandidates(
        ScanResourceCandidates(platform, folders.StartDir, folders.WadDir));
}

IwadList RescanGameData(Platform& platform, GameDataLists& lists, const LaunchFolders& folders) {
    IwadList iwads = RescanIwads(platform, lists, folders.WadDir);
    RescanResourceCandidates(platform, lists, folders);
    return iwads;
}

} // namespace tarnwick
