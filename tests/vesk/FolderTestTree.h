// A folder tree for one test on the C: drive, removed with everything in it
// at the end. Its folders get an access time an hour ahead: the shell's item
// identifiers hold that time, and one that moves when the tree view first
// reads a folder keeps the browser from finding the folder it should select.
#pragma once

#include <string>

namespace tarnwick::testing {

class FolderTestTree {
  public:
    explicit FolderTestTree(const std::string& name);
    ~FolderTestTree();
    FolderTestTree(const FolderTestTree&) = delete;
    FolderTestTree& operator=(const FolderTestTree&) = delete;

    const std::string& Root() const { return root_; }
    // The full path of a folder or file below the root.
    std::string Path(const std::string& relative) const { return root_ + "\\" + relative; }
    // Creates a folder (its parent must exist) and returns its full path.
    std::string AddFolder(const std::string& relative) const;
    // Creates an empty file and returns its full path.
    std::string AddFile(const std::string& relative) const;

  private:
    std::string root_;
};

bool FolderExists(const std::string& path);
// Sets the folder's last access time an hour ahead of now.
void SetAccessTimeAhead(const std::string& path);

} // namespace tarnwick::testing
