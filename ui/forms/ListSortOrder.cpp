#include "ListSortOrder.h"

#include "AnsiText.h"
#include "Win32Error.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace tarnwick::forms {
namespace {

constexpr DWORD kBoxComparison = NORM_IGNORECASE;

// Sort keys compare bytewise as the locale compares the texts they stand for.
std::string SortKey(std::string_view text, LCID locale) {
    const std::wstring wide = WideFromAnsi(text);
    if (wide.empty()) return {}; // sorts before any text, as in the box
    const int length = int(wide.size());
    const DWORD flags = LCMAP_SORTKEY | kBoxComparison;
    // The key's size in bytes; file names fit the buffer, anything longer is measured.
    std::array<char, 512> buffer;
    int size = LCMapStringW(locale, flags, wide.data(), length,
                            reinterpret_cast<LPWSTR>(buffer.data()), int(buffer.size()));
    if (size > 0) return std::string(buffer.data(), std::size_t(size));
    size = LCMapStringW(locale, flags, wide.data(), length, nullptr, 0);
    if (size <= 0) ThrowLastError("LCMapStringW");
    std::string key(std::size_t(size), '\0');
    LCMapStringW(locale, flags, wide.data(), length, reinterpret_cast<LPWSTR>(key.data()), size);
    return key;
}

} // namespace

std::vector<std::size_t> ListSortOrder(std::span<const std::string_view> items, LCID locale) {
    std::vector<std::string> keys;
    keys.reserve(items.size());
    for (std::string_view item : items)
        keys.push_back(SortKey(item, locale));
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // Bytewise: std::string compares its chars as unsigned, as sort keys need.
    std::stable_sort(order.begin(), order.end(),
                     [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return order;
}

} // namespace tarnwick::forms
