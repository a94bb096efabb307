#include "CommandLineText.h"

namespace tarnwick {
namespace {

constexpr std::string_view kBlanks = " \t";
// Outside double quotes these end a command, redirect it or escape.
constexpr std::string_view kCmdCharacters = " \t&|<>^()";
constexpr std::string_view kCmdPathCharacters = " \t&|<>^()[]{}=;!'+,`~";

bool Holds(std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) != std::string_view::npos;
}

// Writes an argument for the C runtime and, with a person's Command Prompt in
// mind, for cmd as well: both must see the same double quotes.
class ArgumentWriter {
  public:
    explicit ArgumentWriter(bool forCmd) : forCmd_(forCmd) {}

    std::string Write(std::string_view argument, std::string_view quoteFor) {
        const bool quoted = argument.empty() || Holds(argument, quoteFor);
        if (quoted) Quote();
        for (std::size_t at = 0; at < argument.size(); ++at) {
            const char c = argument[at];
            if (c == '\\') {
                ++backslashes_;
            } else if (c == '"') {
                LiteralQuote();
            } else if (c == '%' && forCmd_) {
                Percent(at + 1 < argument.size() ? argument[at + 1] : '"');
            } else {
                if (!open_ && Holds(std::string_view(&c, 1), quoteFor)) Quote();
                Backslashes(false);
                text_ += c;
            }
        }
        if (open_) Quote();
        Backslashes(false);
        return std::move(text_);
    }

  private:
    // The backslashes seen so far: doubled before a double quote, where the
    // C runtime reads each pair as one.
    void Backslashes(bool beforeQuote) {
        text_.append(beforeQuote ? 2 * backslashes_ : backslashes_, '\\');
        backslashes_ = 0;
    }
    // Opens or closes double quotes, for both.
    void Quote() {
        Backslashes(true);
        text_ += '"';
        open_ = !open_;
    }
    void LiteralQuote() {
        // Closed, so that cmd reads the caret: to cmd an escaped quote, to
        // the C runtime a quote after a backslash. Opened again where a
        // character needs it.
        if (open_) Quote();
        Backslashes(true);
        text_ += forCmd_ ? "\\^\"" : "\\\"";
    }
    // cmd expands %NAME% even within double quotes, and "%%" escapes nothing
    // at a prompt; but no variable's name begins with a double quote: one
    // follows the "%", closing the quotes, or two, opening and closing them.
    void Percent(char next) {
        Backslashes(false);
        text_ += '%';
        if (next == '"' || Holds(std::string_view(&next, 1), kCmdCharacters)) return;
        text_ += open_ ? "\"" : "\"\""; // opened again where a character needs it
        open_ = false;
    }

    bool forCmd_;
    bool open_ = false;
    std::size_t backslashes_ = 0;
    std::string text_;
};

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> arguments;
    std::size_t at = 0;
    for (;;) {
        while (at < line.size() && kBlanks.find(line[at]) != std::string_view::npos)
            ++at;
        if (at >= line.size()) return arguments;
        std::string argument;
        bool quoted = false;
        while (at < line.size() && (quoted || kBlanks.find(line[at]) == std::string_view::npos)) {
            std::size_t backslashes = 0;
            while (at < line.size() && line[at] == '\\') {
                ++backslashes;
                ++at;
            }
            if (at < line.size() && line[at] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1 ||
                    (quoted && at + 1 < line.size() && line[at + 1] == '"')) {
                    argument += '"';
                    at += backslashes % 2 == 1 ? 1 : 2;
                } else {
                    quoted = !quoted;
                    ++at;
                }
            } else {
                argument.append(backslashes, '\\');
                if (at < line.size() &&
                    (quoted || kBlanks.find(line[at]) == std::string_view::npos))
                    argument += line[at++];
            }
        }
        arguments.push_back(std::move(argument));
    }
}

std::string CommandLine(std::string_view program, const std::vector<std::string>& arguments) {
    std::string line = ArgumentWriter(false).Write(program, kBlanks);
    for (const std::string& argument : arguments) {
        line += ' ';
        line += ArgumentWriter(false).Write(argument, kBlanks);
    }
    return line;
}

std::string ConsoleArgument(std::string_view argument) {
    return ArgumentWriter(true).Write(argument, kCmdCharacters);
}

std::string ConsoleProgram(std::string_view path) {
    return ArgumentWriter(true).Write(path, kCmdPathCharacters);
}

std::string ConsoleSetLine(std::string_view name, std::string_view value) {
    // A caret at the line's end would join the next line to this one.
    std::string line = "set ";
    line += name;
    line += '=';
    for (std::size_t at = 0; at < value.size(); ++at) {
        const char c = value[at];
        if (c == '%' && at + 1 < value.size()) {
            line += "%^";
            line += value[++at]; // the caret stands for its escape
            continue;
        }
        if (c != ' ' && c != '\t' && Holds(std::string_view(&c, 1), kCmdCharacters)) line += '^';
        line += c;
    }
    return line;
}

} // namespace tarnwick
