// The folder tests and the folder creation of the New folder action, by the
// system's wide functions.
#pragma once

#include <string>

namespace tarnwick::vesk {

bool DirectoryExists(const std::wstring& path);

// Creates the folder with every missing level on the way ("a\b" under an
// existing folder makes two). Failures are not reported here: the caller
// looks whether the folder exists afterwards.
void CreateFolderPath(const std::wstring& path);

} // namespace tarnwick::vesk
