#include "FileDialogText.h"

#include <algorithm>

namespace tarnwick::forms {

std::wstring DialogFilter(std::wstring_view filter) {
    std::wstring result(filter);
    for (wchar_t& c : result)
        if (c == L'|') c = L'\0';
    result.append(2, L'\0');
    return result;
}

std::vector<std::wstring> ChosenFiles(std::wstring_view buffer, std::size_t fileOffset,
                                      bool multiSelect) {
    const std::wstring_view first = buffer.substr(0, buffer.find(L'\0'));
    if (first.empty()) return {};
    const bool list = multiSelect && fileOffset == first.size() + 1;
    if (!list) return {std::wstring(first)};

    const std::wstring_view separator = first.back() == L'\\' ? L"" : L"\\";
    std::vector<std::wstring> paths;
    std::wstring_view names = buffer.substr(fileOffset);
    while (!names.empty() && names.front() != L'\0') {
        const std::wstring_view name = names.substr(0, names.find(L'\0'));
        paths.push_back(std::wstring(first) + std::wstring(separator) + std::wstring(name));
        names.remove_prefix(std::min(names.size(), name.size() + 1));
    }
    return paths;
}

} // namespace tarnwick::forms
