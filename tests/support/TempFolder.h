// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tarnwick::testing {

class TempFolder {
  public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::string& path() const { return path_; }
    // path() + "\" + name
    std::string operator/(std::string_view name) const;

    // Creates a file (and no folders) with the given bytes.
    std::string AddFile(std::string_view name, std::string_view bytes = {}) const;
    std::string AddFolder(std::string_view name) const;

  private:
    std::string path_;
};

// Deletes a folder with everything in it, read-only files too.
void RemoveTree(const std::string& folder);

// The whole file, or "<missing>" when it cannot be read.
std::string FileText(const std::string& path);

// Makes the process's current directory the given one for a scope.
class CurrentDirectoryScope {
  public:
    explicit CurrentDirectoryScope(const std::string& path);
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;
    ~CurrentDirectoryScope();

  private:
    std::string previous_;
};

} // namespace tarnwick::testing
