#include "GameFolderSearch.h"

#include "BoundedLookups.h"
#include "DistinctFolders.h"
#include "GameFolderCandidates.h"
#include "PathRules.h"

namespace tarnwick {

std::vector<std::string> FindGameFolders(Platform& platform, const std::string& startDir) {
    const AnsiCodePage& codePage = platform.CodePage();
    BoundedLookups lookups(platform);
    std::vector<std::string> folders =
        DistinctFolders(codePage, GameFolderCandidates(lookups, startDir));
    std::vector<std::size_t> iwads(folders.size());
    for (std::size_t i = 0; i < folders.size(); ++i)
        iwads[i] = lookups
                       .IwadsListed(FromStartFolder(codePage, startDir,
                                                    InFolder(codePage, folders[i], "*.wad")))
                       .count();
    // More IWADs first; the folders come in the order of their keys already.
    std::vector<std::string> found;
    for (std::size_t count = IwadCatalogue.size(); count > 0; --count)
        for (std::size_t i = 0; i < folders.size(); ++i)
            if (iwads[i] == count) found.push_back(std::move(folders[i]));
    return found;
}

} // namespace tarnwick
