// Owning handles for what the shell hands out: item identifiers (freed with
// CoTaskMemFree) and shell folder interfaces (released).
#pragma once

#include "OwnedHandle.h"
#include "ShellFunctions.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

namespace tarnwick::vesk {

struct ItemIdListTraits {
    using Handle = ITEMIDLIST*;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle items) noexcept { shell::TaskMemFree(items); }
};
using ItemIdList = OwnedHandle<ItemIdListTraits>;

struct ShellFolderTraits {
    using Handle = IShellFolder*;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle folder) noexcept { folder->Release(); }
};
using ShellFolder = OwnedHandle<ShellFolderTraits>;

// The desktop folder, through which paths become item identifiers. Raises
// IoError, with the shell's HRESULT, when the shell cannot give it.
ShellFolder DesktopFolder();

// The item identifier of a path; empty when the shell cannot parse it.
ItemIdList ParsePath(IShellFolder& desktop, const std::wstring& path);

} // namespace tarnwick::vesk
