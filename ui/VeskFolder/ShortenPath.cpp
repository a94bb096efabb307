#include "ShortenPath.h"

#include <algorithm>

namespace tarnwick::vesk {

namespace {

// One past the index of the first separator: the position counted from 1, or
// 0 when there is none.
std::size_t FirstSeparatorPosition(const std::wstring& text) {
    auto index = text.find(L'\\');
    return index == std::wstring::npos ? 0 : index + 1;
}

} // namespace

std::wstring ShortenPath(std::wstring path, std::size_t limit) {
    if (path.size() <= limit || limit < 6 || path.find(L'\\') == std::wstring::npos)
        return path.substr(0, limit);
    // The separators after a drive ("C:\") or a network prefix's first two
    // characters ("\\") decide whether there is anything to leave out.
    auto separators =
        std::count(path.begin() + std::min<std::ptrdiff_t>(2, std::ssize(path)), path.end(), L'\\');
    if (separators < 2) return path.substr(0, limit);

    std::wstring result;
    if (FirstSeparatorPosition(path) <= 2) {
        result = L"\\\\";
        path.erase(0, 2);
    }
    auto k = FirstSeparatorPosition(path);
    result += path.substr(0, k);
    result += L"...";
    auto fits = [&] { return result.size() + path.size() + 1 <= limit; };
    do {
        path.erase(0, k);
        k = FirstSeparatorPosition(path);
    } while (!fits() && k != 0);

    if (fits()) return result + L"\\" + path;
    return (result + L"\\" + path).substr(0, limit - 3) + L"...";
}

} // namespace tarnwick::vesk
