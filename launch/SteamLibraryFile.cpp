#include "SteamLibraryFile.h"

namespace tarnwick {

std::vector<std::string> SteamLibraryPaths(std::string_view vdf) {
    std::vector<std::string> paths;
    // Only the depth is kept, never a stack: the outer block is depth 1, a
    // library's block depth 2. Steam quotes every key and value; any byte
    // outside quotes and braces is passed over.
    std::size_t depth = 0;
    std::string key;
    std::string text;
    bool haveKey = false;
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
        if (!haveKey) {
            key.swap(text);
        } else if (depth == 1
                       ? !key.empty() && key.find_first_not_of("0123456789") == std::string::npos
                       : depth == 2 && key.size() == 4 && (key[0] | 0x20) == 'p' &&
                             (key[1] | 0x20) == 'a' && (key[2] | 0x20) == 't' &&
                             (key[3] | 0x20) == 'h') {
            paths.push_back(text);
        }
        haveKey = !haveKey;
    }
    return paths;
}

} // namespace tarnwick
