// The shell's functions that the folder browser calls, taken from their DLLs
// when the browser first needs them rather than when the program starts.
#pragma once

#include "SystemFunction.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

namespace tarnwick::vesk::shell {

inline PIDLIST_ABSOLUTE BrowseForFolder(LPBROWSEINFOA info) {
    static const auto function =
        forms::SystemFunction<decltype(&SHBrowseForFolderA)>("shell32.dll", "SHBrowseForFolderA");
    return function(info);
}

inline BOOL GetPathFromIDList(LPCITEMIDLIST item, LPWSTR path) {
    static const auto function = forms::SystemFunction<decltype(&SHGetPathFromIDListW)>(
        "shell32.dll", "SHGetPathFromIDListW");
    return function(item, path);
}

inline HRESULT GetSpecialFolderLocation(HWND owner, int folder, PIDLIST_ABSOLUTE* items) {
    static const auto function = forms::SystemFunction<decltype(&SHGetSpecialFolderLocation)>(
        "shell32.dll", "SHGetSpecialFolderLocation");
    return function(owner, folder, items);
}

inline HRESULT GetDesktopFolder(IShellFolder** folder) {
    static const auto function =
        forms::SystemFunction<decltype(&SHGetDesktopFolder)>("shell32.dll", "SHGetDesktopFolder");
    return function(folder);
}

inline DWORD_PTR GetFileInfo(LPCSTR path, DWORD attributes, SHFILEINFOA* info, UINT size,
                             UINT flags) {
    static const auto function =
        forms::SystemFunction<decltype(&SHGetFileInfoA)>("shell32.dll", "SHGetFileInfoA");
    return function(path, attributes, info, size, flags);
}

inline PIDLIST_RELATIVE CloneIDList(LPCITEMIDLIST item) {
    static const auto function =
        forms::SystemFunction<decltype(&ILClone)>("shell32.dll", "ILClone");
    return function(item);
}

// Frees what the shell allocated for the program (item identifiers, names).
inline void TaskMemFree(void* memory) {
    static const auto function =
        forms::SystemFunction<decltype(&CoTaskMemFree)>("ole32.dll", "CoTaskMemFree");
    function(memory);
}

} // namespace tarnwick::vesk::shell
