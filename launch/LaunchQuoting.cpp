#include "LaunchQuoting.h"

#include "LaunchFileNames.h"

#include <algorithm>

namespace tarnwick {

namespace {

constexpr char kQuote = '"';
constexpr char kBlank = ' ';
constexpr char kAt = '@';

bool ContainsAny(const AnsiCodePage& codePage, std::string_view text, std::string_view chars) {
    for (std::size_t at = 0; at < text.size(); at = codePage.NextCharacter(text, at))
        if (chars.find(text[at]) != std::string_view::npos) return true;
    return false;
}

// In a batch file cmd expands %...% even inside quotes; "%%" is a literal "%".
std::string EscapePercent(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        escaped += c;
        if (c == '%') escaped += '%';
    }
    return escaped;
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

// "set DOOMWADDIR=", or set "DOOMWADDIR= for an assignment in double quotes.
std::string SetCommand(bool quotedAssignment) {
    return std::string("set ") + (quotedAssignment ? "\"" : "") + std::string(kWadDirVariable) +
           "=";
}

} // namespace

std::string Quoted(std::string_view value) {
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted += kQuote;
    quoted += value;
    quoted += kQuote;
    return quoted;
}

std::string BetweenQuotes(const AnsiCodePage& codePage, std::string_view text) {
    const std::size_t first = codePage.Skip(text, 1);
    const std::size_t last = codePage.LastCharacter(text);
    if (last < first) return {};
    return std::string(text.substr(first, last - first));
}

std::string QuotedWhereSplit(std::string_view value) {
    const bool split = std::any_of(value.begin(), value.end(), [](char c) {
        return c == kBlank || static_cast<unsigned char>(c) > 127;
    });
    return split ? Quoted(value) : std::string(value);
}

std::string Unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == kQuote && value.back() == kQuote)
        return std::string(value.substr(1, value.size() - 2));
    return std::string(value);
}

std::string JoinFileList(const std::vector<std::string>& entries) {
    std::string text;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) text += kBlank;
        text += QuotedWhereSplit(entries[i]);
    }
    return text;
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

// A double quote, a percent sign and a blank are never the second byte of a
// character: found byte by byte, they are characters.

std::string FormatSetLine(const AnsiCodePage& codePage, std::string_view wadDir) {
    const std::string value = EscapePercent(wadDir);
    // Unquoted, these characters would end the set command and start another.
    if (ContainsAny(codePage, wadDir, "&|<>^")) return SetCommand(true) + value + kQuote;
    return SetCommand(false) + value;
}

std::string ParseSetLine(const AnsiCodePage& codePage, std::string_view line) {
    if (const std::string quotedSet = SetCommand(true); line.starts_with(quotedSet)) {
        const std::string_view value = line.substr(quotedSet.size());
        return UnescapePercent(value.substr(0, value.find(kQuote)));
    }
    // Not examined: the writer puts "set DOOMWADDIR=" there.
    return UnescapePercent(line.substr(codePage.Skip(line, SetCommand(false).size())));
}

std::string FormatRunLine(const AnsiCodePage& codePage, const RunLine& run) {
    std::string executable = EscapePercent(run.executable);
    if (ContainsAny(codePage, run.executable, " @&|<>^(),;=")) executable = Quoted(executable);
    return executable + kBlank + kAt + EscapePercent(run.responseFile);
}

RunLine ParseRunLine(const AnsiCodePage& codePage, std::string_view line) {
    // A quoted executable may hold an "@" of its own; the response file's
    // name then follows the first "@" after the closing quote.
    if (!line.empty() && line.front() == kQuote) {
        const std::size_t close = line.find(kQuote, 1);
        if (close != std::string_view::npos) {
            RunLine result{UnescapePercent(line.substr(1, close - 1)), {}};
            const std::size_t at = codePage.Find(line, kAt, close + 1);
            if (at != std::string_view::npos)
                result.responseFile = UnescapePercent(line.substr(at + 1));
            return result;
        }
    }
    const std::size_t at = codePage.Find(line, kAt);
    if (at == std::string_view::npos) return RunLine{{}, UnescapePercent(line)};
    const std::string_view beforeAt = line.substr(0, at);
    return RunLine{UnescapePercent(beforeAt.substr(0, codePage.LastCharacter(beforeAt))),
                   UnescapePercent(line.substr(at + 1))};
}

} // namespace tarnwick
