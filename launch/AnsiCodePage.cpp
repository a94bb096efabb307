#include "AnsiCodePage.h"

namespace tarnwick {

std::size_t AnsiCodePage::NextUtf8Character(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t next = at + 1;
    while (next < text.size() && next < at + length &&
           (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
        ++next;
    return next;
}

std::size_t AnsiCodePage::Characters(std::string_view text) const {
    std::size_t count = 0;
    for (std::size_t at = 0, next = 0; at < text.size(); at = next) {
        next = NextCharacter(text, at);
        count += utf8_ && next - at == 4 ? 2 : 1;
    }
    return count;
}

std::size_t AnsiCodePage::Skip(std::string_view text, std::size_t count) const {
    std::size_t at = 0;
    for (; at < text.size() && count > 0; --count)
        at = NextCharacter(text, at);
    return at;
}

std::size_t AnsiCodePage::LastCharacter(std::string_view text) const {
    std::size_t last = text.size();
    for (std::size_t at = 0; at < text.size(); at = NextCharacter(text, at))
        last = at;
    return last;
}

std::size_t AnsiCodePage::Find(std::string_view text, char c, std::size_t from) const {
    for (std::size_t at = from; at < text.size(); at = NextCharacter(text, at))
        if (text[at] == c) return at;
    return std::string_view::npos;
}

bool AnsiCodePage::EndsWithSeparator(std::string_view text) const {
    const std::size_t last = LastCharacter(text);
    return last + 1 == text.size() && (text[last] == '\\' || text[last] == '/');
}

} // namespace tarnwick
