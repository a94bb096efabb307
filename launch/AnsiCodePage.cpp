#include "AnsiCodePage.h"

namespace tarnwick {

std::size_t AnsiCodePage::Characters(std::string_view text) const {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at = NextCharacter(text, at))
        ++count;
    return count;
}

std::size_t AnsiCodePage::LastCharacter(std::string_view text) const {
    std::size_t last = text.size();
    for (std::size_t at = 0; at < text.size(); at = NextCharacter(text, at))
        last = at;
    return last;
}

bool AnsiCodePage::EndsWithSeparator(std::string_view text) const {
    const std::size_t last = LastCharacter(text);
    return last + 1 == text.size() && (text[last] == '\\' || text[last] == '/');
}

} // namespace tarnwick
