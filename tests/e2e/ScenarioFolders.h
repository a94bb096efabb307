// The folders of one scenario, on the prefix's C: drive: the folder the
// launcher starts in and a WAD folder beside it, both removed afterwards; and
// a file that another program holds open.
#pragma once

#include "TempFolder.h"

#include <string>
#include <string_view>

namespace tarnwick::e2e {

struct ScenarioFolders {
    testing::TempFolder root;
    std::string start = root.AddFolder("start");
    std::string wads = root.AddFolder("wads");

    // An empty file (the launcher only looks at names).
    void AddToStart(std::string_view name) const { AddFile(start, name); }
    void AddToWads(std::string_view name) const { AddFile(wads, name); }
    static void AddFile(const std::string& folder, std::string_view name);
};

// A file held open without sharing, as another program can hold it.
class HeldFile {
  public:
    explicit HeldFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    ~HeldFile() { Release(); }
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (held()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

  private:
    HANDLE handle_;
};

} // namespace tarnwick::e2e
