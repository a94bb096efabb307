// Steam's list of its library folders, config\libraryfolders.vdf: quoted keys
// and values in nested blocks, each library a block of the outer one with its
// "path".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// The library paths the text names, in its order and encoding (Steam writes
// UTF-8), with the escapes \\ and \" resolved. Whatever cannot be read (a text
// cut short, bytes outside quotes, bytes that are no such file) is passed
// over; nothing raises, and the work is linear in the text however deep its
// blocks nest.
std::vector<std::string> SteamLibraryPaths(std::string_view vdf);

} // namespace tarnwick
