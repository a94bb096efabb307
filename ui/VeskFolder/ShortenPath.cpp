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

// The first `count` units of `text`, one fewer when the last would be the
// first half of a surrogate pair: a character outside the basic plane (common
// in Japanese names) is kept whole or left out, never shown as half a pair.
std::wstring Head(const std::wstring& text, std::size_t count) {
    if (count >= text.size()) return text;
    if (count > 0 && text[count - 1] >= 0xD800 && text[count - 1] <= 0xDBFF) --count;
    return text.substr(0, count);
}

} // namespace

std::wstring ShortenPath(std::wstring path, std::size_t limit) {
    if (path.size() <= limit || limit < 6 || path.find(L'\\') == std::wstring::npos)
        return Head(path, limit);
    // The separators after a drive ("C:\") or a network prefix's first two
    // characters ("\\") decide whether there is anything to leave out.
    auto separators =
        std::count(path.begin() + std::min<std::ptrdiff_t>(2, std::ssize(path)), path.end(), L'\\');
    if (separators < 2) return Head(path, limit);

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
    return Head(result + L"\\" + path, limit - 3) + L"...";
}

} // namespace tarnwick::vesk
