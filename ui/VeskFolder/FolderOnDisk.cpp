#include "FolderOnDisk.h"

#include "NewFolderPath.h"

#include <windows.h>

namespace tarnwick::vesk {

bool DirectoryExists(const std::wstring& path) {
    if (path.empty()) return false;
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void CreateFolderPath(const std::wstring& path) {
    std::wstring folder = WithoutTrailingSeparators(path);
    if (folder.empty() || DirectoryExists(folder)) return;
    std::wstring parent = ParentFolderOf(folder);
    if (!parent.empty()) CreateFolderPath(parent);
    CreateDirectoryW(folder.c_str(), nullptr);
}

} // namespace tarnwick::vesk
