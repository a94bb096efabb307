#include "GameFolderSearch.h"

#include "GameDataScan.h"
#include "GameFolderCandidates.h"
#include "PathRules.h"

#include <algorithm>

namespace tarnwick {

std::vector<std::string> FindGameFolders(Platform& platform, const std::string& startDir) {
    const AnsiCodePage& codePage = platform.CodePage();
    std::vector<std::string> seen;  // every folder looked into, as compared
    std::vector<std::string> found; // in order: the rank, the key, a tab, the folder
    for (std::string& path : GameFolderCandidates(platform, startDir)) {
        // "\" for "/", and no trailing separator but a root's; the key also
        // in upper case. By characters: no second byte of a double-byte
        // character is changed.
        std::string key = path;
        for (std::size_t at = 0; at < path.size(); at = codePage.NextCharacter(path, at)) {
            if (path[at] == '/') path[at] = key[at] = '\\';
            if (key[at] >= 'a' && key[at] <= 'z') key[at] = static_cast<char>(key[at] - 'a' + 'A');
        }
        if (codePage.EndsWithSeparator(path) && path.size() > 1 && path[path.size() - 2] != ':') {
            path.pop_back();
            key.pop_back();
        }
        if (HasLostCharacter(path) || codePage.Characters(path) > kLongestFolder ||
            std::find(seen.begin(), seen.end(), key) != seen.end())
            continue;
        seen.push_back(key);
        const std::size_t iwads =
            CatalogueIwadsListed(
                platform, FromStartFolder(codePage, startDir, InFolder(codePage, path, "*.wad")))
                .count();
        if (iwads == 0) continue;
        // More IWADs rank first; the tab, below every character of a path,
        // ends the key. Put in its place at once: the list is short.
        key.insert(0, 1, char('A' + IwadCatalogue.size() - iwads));
        found.push_back(key.append(1, '\t').append(path));
        for (std::size_t i = found.size() - 1; i > 0 && found[i] < found[i - 1]; --i)
            found[i].swap(found[i - 1]);
    }
    for (std::string& folder : found)
        folder.erase(0, folder.find('\t') + 1);
    return found;
}

} // namespace tarnwick
