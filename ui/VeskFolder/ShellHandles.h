// Owning handles for what the shell hands out: item identifiers (freed with
// CoTaskMemFree) and shell folder interfaces (released).
#pragma once

#include "ShellFunctions.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <memory>
#include <string>

namespace tarnwick::vesk {

struct ItemIdListFree {
    void operator()(ITEMIDLIST* items) const { shell::TaskMemFree(items); }
};
using ItemIdList = std::unique_ptr<ITEMIDLIST, ItemIdListFree>;

struct ShellFolderRelease {
    void operator()(IShellFolder* folder) const { folder->Release(); }
};
using ShellFolder = std::unique_ptr<IShellFolder, ShellFolderRelease>;

// The desktop folder, through which paths become item identifiers. Raises
// std::system_error when the shell cannot give it.
ShellFolder DesktopFolder();

// The item identifier of a path; empty when the shell cannot parse it.
ItemIdList ParsePath(IShellFolder& desktop, const std::wstring& path);

} // namespace tarnwick::vesk
