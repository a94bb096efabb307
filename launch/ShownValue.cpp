#include "ShownValue.h"

namespace tarnwick {

bool IsControlCharacter(char c) { return static_cast<unsigned char>(c) < 0x20; }

std::string ShownValue(const AnsiCodePage& codePage, std::string_view value) {
    constexpr std::size_t kLongest = 300;
    constexpr char kHex[] = "0123456789ABCDEF";
    const std::size_t cut = codePage.Skip(value, kLongest);
    std::string shown;
    for (const char c : value.substr(0, cut)) {
        if (!IsControlCharacter(c)) {
            shown += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        shown += {'<', kHex[byte / 16], kHex[byte % 16], '>'};
    }
    if (cut < value.size()) shown += "...";
    return shown;
}

std::string ShowingValue(const AnsiCodePage& codePage, std::string_view before,
                         std::string_view value, std::string_view after) {
    std::string text(before);
    text += '\n';
    text += ShownValue(codePage, value);
    text += '\n';
    text += after;
    return text;
}

} // namespace tarnwick
