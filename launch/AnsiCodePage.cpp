#include "AnsiCodePage.h"

namespace tarnwick {

std::size_t AnsiCodePage::Characters(std::string_view text) const {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at = NextCharacter(text, at))
        ++count;
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
