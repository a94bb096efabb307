#include "LaunchQuoting.h"

namespace tarnwick {

namespace {
constexpr char kQuote = '"';
constexpr char kBlank = ' ';
} // namespace

std::string Unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == kQuote && value.back() == kQuote)
        return std::string(value.substr(1, value.size() - 2));
    return std::string(value);
}

std::vector<std::string> SplitFileList(std::string_view text) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        if (text[start] == kQuote) {
            const std::size_t close = text.find(kQuote, start + 1);
            if (close != std::string_view::npos) {
                entries.emplace_back(text.substr(start + 1, close - start - 1));
                start = close + 1;
                if (start < text.size() && text[start] == kBlank) ++start;
                continue;
            }
            // An unclosed quote is an ordinary character of an unquoted entry.
        }
        // Only at the very start may an entry's first character be its end.
        const std::size_t searchFrom = start == 0 ? 0 : start + 1;
        const std::size_t blank = text.find(kBlank, searchFrom);
        if (blank == std::string_view::npos) {
            entries.emplace_back(text.substr(start));
            break;
        }
        entries.emplace_back(text.substr(start, blank - start));
        start = blank + 1;
    }
    return entries;
}

std::string UnescapePercent(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        result.push_back(text[i]);
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') ++i;
    }
    return result;
}

} // namespace tarnwick
