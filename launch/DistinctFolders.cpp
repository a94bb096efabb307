#include "DistinctFolders.h"

#include "PathRules.h"

#include <cstdlib>
#include <cstring>

namespace tarnwick {

std::vector<std::string> DistinctFolders(const AnsiCodePage& codePage,
                                         const std::vector<std::string>& paths) {
    std::vector<std::string> folders;
    std::vector<std::string> keys;
    for (std::string path : paths) {
        std::string key = path;
        // By characters: no second byte of a double-byte character is changed.
        for (std::size_t at = 0; at < path.size(); at = codePage.NextCharacter(path, at)) {
            if (path[at] == '/') path[at] = key[at] = '\\';
            if (key[at] >= 'a' && key[at] <= 'z') key[at] = static_cast<char>(key[at] - 'a' + 'A');
        }
        if (codePage.EndsWithSeparator(path) && path.size() > 1 && path[path.size() - 2] != ':') {
            path.pop_back();
            key.pop_back();
        }
        if (path.empty() || HasLostCharacter(path) || codePage.Characters(path) > kLongestFolder)
            continue;
        folders.push_back(std::move(path));
        keys.push_back(std::move(key));
    }
    // By key, and of the folders with one key the first named first; the C
    // library's sort and comparison, which the system has already (a key
    // holds no NUL: no path does).
    std::vector<const std::string*> order(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        order[i] = &keys[i];
    std::qsort(order.data(), order.size(), sizeof order[0], [](const void* a, const void* b) {
        const std::string* first = *static_cast<const std::string* const*>(a);
        const std::string* second = *static_cast<const std::string* const*>(b);
        const int compared = std::strcmp(first->c_str(), second->c_str());
        return compared != 0 ? compared : first < second ? -1 : 1;
    });
    std::vector<std::string> distinct;
    for (std::size_t i = 0; i < order.size(); ++i)
        if (i == 0 || *order[i] != *order[i - 1])
            distinct.push_back(std::move(folders[std::size_t(order[i] - keys.data())]));
    return distinct;
}

} // namespace tarnwick
