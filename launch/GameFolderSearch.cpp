#include "GameFolderSearch.h"

#include "GameDataScan.h"
#include "GameFolderCandidates.h"
#include "PathRules.h"

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
        bool known = HasLostCharacter(path) || codePage.Characters(path) > kLongestFolder;
        for (const std::string& other : seen)
            known = known || other == key;
        if (known) continue;
        seen.push_back(key);
        const std::size_t iwads =
            CatalogueIwadsListed(
                platform, FromStartFolder(codePage, startDir, InFolder(codePage, path, "*.wad")))
                .count();
        if (iwads == 0) continue;
        // More IWADs rank first; the tab, below every character of a path,
        // ends the key.
        found.emplace_back(1, char('A' + IwadCatalogue.size() - iwads));
        found.back().append(key).append(1, '\t').append(path);
    }
    // The first one left, again and again: the list is short.
    std::vector<std::string> ordered;
    for (std::size_t left = found.size(); left > 0; --left) {
        std::string* first = nullptr;
        for (std::string& folder : found)
            if (!folder.empty() && (!first || folder < *first)) first = &folder;
        ordered.push_back(first->substr(first->find('\t') + 1));
        first->clear();
    }
    return ordered;
}

} // namespace tarnwick
