#include "GameFolderSearch.h"

#include "DistinctFolders.h"
#include "FolderReach.h"
#include "GameDataScan.h"
#include "GameFolderCandidates.h"
#include "PathRules.h"

namespace tarnwick {
namespace {

std::vector<std::string> Search(Platform& platform, const std::string& startDir, bool network) {
    const AnsiCodePage& codePage = platform.CodePage();
    FolderReach reach(platform, network);
    std::vector<std::string> folders =
        DistinctFolders(codePage, GameFolderCandidates(platform, startDir, reach));
    std::vector<std::size_t> iwads(folders.size());
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const std::string pattern =
            FromStartFolder(codePage, startDir, InFolder(codePage, folders[i], "*.wad"));
        if (reach(pattern)) iwads[i] = CatalogueIwadsListed(platform, pattern).count();
    }
    // More IWADs first; the folders come in the order of their keys already.
    std::vector<std::string> found;
    for (std::size_t count = IwadCatalogue.size(); count > 0; --count)
        for (std::size_t i = 0; i < folders.size(); ++i)
            if (iwads[i] == count) found.push_back(std::move(folders[i]));
    return found;
}

// The search on a worker thread, with what it found.
struct WorkerSearch final : Lookup {
    explicit WorkerSearch(std::string from) : startDir(std::move(from)) {}
    void Run(Platform& platform) override { found = Search(platform, startDir, true); }

    std::string startDir;
    std::vector<std::string> found;
};

} // namespace

std::vector<std::string> FindGameFolders(Platform& platform, const std::string& startDir,
                                         std::chrono::milliseconds networkWait) {
    const std::unique_ptr<Lookup> search =
        platform.RunFor(std::make_unique<WorkerSearch>(startDir), networkWait);
    if (search) return std::move(static_cast<WorkerSearch&>(*search).found);
    return Search(platform, startDir, false);
}

} // namespace tarnwick
