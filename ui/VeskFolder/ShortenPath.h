// Shortening a path for the folder browser's status line: the first folder
// (or the server of a network path) is kept, then "...", then as many of the
// last folders as fit. Done on the wide text, so that characters are counted
// and found as characters: in a double-byte code page the second byte of a
// character may read as "\".
#pragma once

#include <cstddef>
#include <string>

namespace tarnwick::vesk {

// At most `limit` characters of `path`: unchanged when it fits; cut when it
// has too few separators to shorten; else the first folder, "...", and the
// tail of folders that fits, cut with "..." when even the last one does not.
std::wstring ShortenPath(std::wstring path, std::size_t limit);

} // namespace tarnwick::vesk
