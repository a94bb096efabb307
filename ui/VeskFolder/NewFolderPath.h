// The path texts of the New folder action: where the typed name goes, and
// the levels to create on the way to it. On the wide text: in a double-byte
// code page the second byte of a character may read as "\" or "/".
#pragma once

#include <string>

namespace tarnwick::vesk {

// The selection followed by the typed name, with one "\" between them unless
// the name begins with one or the selection ends with one. "\Maps" under
// "D:\" stays "D:\\Maps": the system reads the doubled separator as one.
std::wstring JoinNewFolderPath(const std::wstring& selection, const std::wstring& answer);

// The folder that holds `path` (trailing separators ignored): everything
// before its last "\" or "/"; empty when there is none.
std::wstring ParentFolderOf(std::wstring path);

// `path` without its trailing "\" and "/" characters.
std::wstring WithoutTrailingSeparators(std::wstring path);

} // namespace tarnwick::vesk
