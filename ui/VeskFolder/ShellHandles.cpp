#include "ShellHandles.h"

#include "Win32Error.h"

#include <string>
#include <vector>

namespace tarnwick::vesk {

ShellFolder DesktopFolder() {
    IShellFolder* desktop = nullptr;
    HRESULT result = shell::GetDesktopFolder(&desktop);
    if (FAILED(result) || desktop == nullptr) throw ComError(result, "SHGetDesktopFolder");
    return ShellFolder(desktop);
}

ItemIdList ParsePath(IShellFolder& desktop, const std::string& path) {
    int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 0) return {};
    std::vector<wchar_t> wide(static_cast<std::size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    ITEMIDLIST* items = nullptr;
    if (FAILED(desktop.ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &items, nullptr)))
        return {};
    return ItemIdList(items);
}

} // namespace tarnwick::vesk
