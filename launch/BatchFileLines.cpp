#include "BatchFileLines.h"

#include "LaunchQuoting.h"

namespace tarnwick {

namespace {
constexpr char kQuote = '"';
constexpr char kAt = '@';
// The unquoted line's first 15 characters are not examined: the writer puts
// "set DOOMWADDIR=" there.
constexpr std::size_t kSetPrefixLength = 15;
constexpr std::string_view kQuotedSetPrefix = "set \"DOOMWADDIR=";
} // namespace

std::string WadDirFromSetLine(std::string_view line) {
    if (line.starts_with(kQuotedSetPrefix)) {
        const std::string_view value = line.substr(kQuotedSetPrefix.size());
        return UnescapePercent(value.substr(0, value.find(kQuote)));
    }
    if (line.size() <= kSetPrefixLength) return {};
    return UnescapePercent(line.substr(kSetPrefixLength));
}

RunLine ParseRunLine(std::string_view line) {
    // A quoted executable may hold an "@" of its own; the response file's
    // name then follows the first "@" after the closing quote.
    if (!line.empty() && line.front() == kQuote) {
        const std::size_t close = line.find(kQuote, 1);
        if (close != std::string_view::npos) {
            RunLine result{UnescapePercent(line.substr(1, close - 1)), {}};
            const std::size_t at = line.find(kAt, close + 1);
            if (at != std::string_view::npos)
                result.responseFile = UnescapePercent(line.substr(at + 1));
            return result;
        }
    }
    const std::size_t at = line.find(kAt);
    if (at == std::string_view::npos) return RunLine{{}, UnescapePercent(line)};
    // The character just before the "@" is the blank the writer puts there.
    const std::size_t executableLength = at == 0 ? 0 : at - 1;
    return RunLine{UnescapePercent(line.substr(0, executableLength)),
                   UnescapePercent(line.substr(at + 1))};
}

} // namespace tarnwick
