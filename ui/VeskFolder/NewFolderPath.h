// The path texts of the New folder action: where the typed name goes, and
// the levels to create on the way to it.
#pragma once

#include <string>

namespace tarnwick::vesk {

// The selection followed by the typed name, with one "\" between them unless
// the name begins with one or the selection ends with one. "\Maps" under
// "D:\" stays "D:\\Maps": the system reads the doubled separator as one.
std::string JoinNewFolderPath(const std::string& selection, const std::string& answer);

// The folder that holds `path` (trailing separators ignored): everything
// before its last "\" or "/"; empty when there is none.
std::string ParentFolderOf(std::string path);

// `path` without its trailing "\" and "/" characters.
std::string WithoutTrailingSeparators(std::string path);

} // namespace tarnwick::vesk
