#include "ShortenPath.h"

#include <algorithm>

namespace tarnwick::vesk {

namespace {

// One past the index of the first separator: the position counted from 1, or
// 0 when there is none.
std::size_t FirstSeparatorPosition(const std::string& text) {
    auto index = text.find('\\');
    return index == std::string::npos ? 0 : index + 1;
}

} // namespace

std::string ShortenPath(std::string path, std::size_t limit) {
    if (path.size() <= limit || limit < 6 || path.find('\\') == std::string::npos)
        return path.substr(0, limit);
    // The separators after a drive ("C:\") or a network prefix's first two
    // characters ("\\") decide whether there is anything to leave out.
    auto separators =
        std::count(path.begin() + std::min<std::ptrdiff_t>(2, std::ssize(path)), path.end(), '\\');
    if (separators < 2) return path.substr(0, limit);

    std::string result;
    if (FirstSeparatorPosition(path) <= 2) {
        result = "\\\\";
        path.erase(0, 2);
    }
    auto k = FirstSeparatorPosition(path);
    result += path.substr(0, k);
    result += "...";
    auto fits = [&] { return result.size() + path.size() + 1 <= limit; };
    do {
        path.erase(0, k);
        k = FirstSeparatorPosition(path);
    } while (!fits() && k != 0);

    if (fits()) return result + "\\" + path;
    return (result + "\\" + path).substr(0, limit - 3) + "...";
}

} // namespace tarnwick::vesk
