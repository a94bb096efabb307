#include "ShellHandles.h"

#include "Win32Error.h"

#include <string>

namespace tarnwick::vesk {

ShellFolder DesktopFolder() {
    IShellFolder* desktop = nullptr;
    HRESULT result = shell::GetDesktopFolder(&desktop);
    if (FAILED(result) || desktop == nullptr) throw ComError(result, "SHGetDesktopFolder");
    return ShellFolder(desktop);
}

ItemIdList ParsePath(IShellFolder& desktop, const std::wstring& path) {
    std::wstring name = path; // the shell takes a writable text
    ITEMIDLIST* items = nullptr;
    if (FAILED(desktop.ParseDisplayName(nullptr, nullptr, name.data(), nullptr, &items, nullptr)))
        return {};
    return ItemIdList(items);
}

} // namespace tarnwick::vesk
