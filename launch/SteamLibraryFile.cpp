#include "SteamLibraryFile.h"

namespace tarnwick {

std::vector<std::string> SteamLibraryPaths(std::string_view vdf) {
    std::vector<std::string> paths;
    // Only the depth is kept, never a stack: a library's block is the second
    // level. Steam quotes every key and value; any byte outside quotes and
    // braces is passed over.
    std::size_t depth = 0;
    std::string text;
    bool haveKey = false;
    bool pathKey = false;
    for (std::size_t at = 0; at < vdf.size(); ++at) {
        const char c = vdf[at];
        if (c == '{' || c == '}') {
            depth = c == '{' ? depth + 1 : depth - (depth > 0);
            haveKey = false;
        }
        if (c != '"') continue;
        text.clear();
        while (++at < vdf.size() && vdf[at] != '"') {
            if (vdf[at] == '\\' && at + 1 < vdf.size() &&
                (vdf[at + 1] == '\\' || vdf[at + 1] == '"'))
                ++at;
            text += vdf[at];
        }
        if (at == vdf.size()) break; // a text cut short is no value
        if (!haveKey)
            pathKey = text == "path";
        else if (depth == 2 && pathKey)
            paths.push_back(text);
        haveKey = !haveKey;
    }
    return paths;
}

} // namespace tarnwick
