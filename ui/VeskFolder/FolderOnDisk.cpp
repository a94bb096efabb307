#include "FolderOnDisk.h"

#include "NewFolderPath.h"

#include <windows.h>

namespace tarnwick::vesk {

bool DirectoryExists(const std::string& path) {
    if (path.empty()) return false;
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void CreateFolderPath(const std::string& path) {
    std::string folder = WithoutTrailingSeparators(path);
    if (folder.empty() || DirectoryExists(folder)) return;
    std::string parent = ParentFolderOf(folder);
    if (!parent.empty()) CreateFolderPath(parent);
    CreateDirectoryA(folder.c_str(), nullptr);
}

} // namespace tarnwick::vesk
