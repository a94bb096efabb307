#include "FolderTestTree.h"

#include "TempFolder.h"

#include <windows.h>

#include <stdexcept>

namespace tarnwick::testing {

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void SetAccessTimeAhead(const std::string& path) {
    HANDLE folder = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time{};
    time.LowPart = now.dwLowDateTime;
    time.HighPart = now.dwHighDateTime;
    time.QuadPart += 3600ULL * 10000000ULL;
    FILETIME ahead{time.LowPart, time.HighPart};
    BOOL done = SetFileTime(folder, nullptr, &ahead, nullptr);
    CloseHandle(folder);
    if (!done) throw std::runtime_error("cannot set the access time of " + path);
}

FolderTestTree::FolderTestTree(const std::string& name) : root_("C:\\tarnwick-tests-" + name) {
    RemoveTree(root_);
    if (!CreateDirectoryA(root_.c_str(), nullptr))
        throw std::runtime_error("cannot create " + root_);
    SetAccessTimeAhead(root_);
}

FolderTestTree::~FolderTestTree() { RemoveTree(root_); }

std::string FolderTestTree::AddFolder(const std::string& relative) const {
    std::string path = Path(relative);
    if (!CreateDirectoryA(path.c_str(), nullptr)) throw std::runtime_error("cannot create " + path);
    SetAccessTimeAhead(path);
    return path;
}

std::string FolderTestTree::AddFile(const std::string& relative) const {
    std::string path = Path(relative);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + path);
    CloseHandle(file);
    return path;
}

} // namespace tarnwick::testing
