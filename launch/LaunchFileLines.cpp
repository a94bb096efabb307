#include "LaunchFileLines.h"

namespace tarnwick {

namespace {
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfFile = '\x1A';
} // namespace

std::optional<std::string> LaunchFileLines::Next() {
    if (rest_.empty()) return std::nullopt;
    const std::size_t lineEnd = rest_.find(kLineFeed);
    const std::string_view raw = rest_.substr(0, lineEnd);
    rest_ = lineEnd == std::string_view::npos ? std::string_view() : rest_.substr(lineEnd + 1);

    std::string text;
    lastBeganWithEndOfFile_ = false;
    for (const char c : raw) {
        if (c == kEndOfFile) {
            lastBeganWithEndOfFile_ = text.empty();
            break;
        }
        if (c != kCarriageReturn) text.push_back(c);
    }
    return text;
}

} // namespace tarnwick
