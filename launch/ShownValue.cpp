#include "ShownValue.h"

namespace tarnwick {

bool IsControlCharacter(char c) { return static_cast<unsigned char>(c) < 0x20; }

std::string ShownValue(std::string_view value) {
    constexpr std::size_t kLongest = 300;
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char c : value.substr(0, kLongest)) {
        if (!IsControlCharacter(c)) {
            shown += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        shown += {'<', kHex[byte / 16], kHex[byte % 16], '>'};
    }
    if (value.size() > kLongest) shown += "...";
    return shown;
}

} // namespace tarnwick
