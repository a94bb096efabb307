// How values keep whole through the launch files: each way of quoting or
// escaping a value, beside the reading that undoes it. The reader also takes
// lines that the writer never wrote (by hand, or by an earlier version), so a
// reading is lenient where its writing is strict.
#pragma once

#include "AnsiCodePage.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// The IWAD's name, always in double quotes.
std::string Quoted(std::string_view value);
// The text between the first and the last character, which are not looked at;
// shorter than two characters, the empty text.
std::string BetweenQuotes(const AnsiCodePage& codePage, std::string_view text);

// A name that must reach the port as one argument: in double quotes when it
// holds a blank, or a byte above 127, which the ports of the ZDoom line read
// with a signed char and so take for a blank outside quotes.
std::string QuotedWhereSplit(std::string_view value);
// The value without its enclosing double quotes; a value not enclosed in them
// comes back unchanged.
std::string Unquoted(std::string_view value);

// The value of a "-file " or "-deh " line: each entry as QuotedWhereSplit gives
// it, one blank between two.
std::string JoinFileList(const std::vector<std::string>& entries);
// The entries of a "-file ", "-deh " or "-bex " line's value. Unquoted entries
// are split at single blanks; after a blank the next character always belongs
// to the next entry, so two blanks in a row begin the next entry with a blank,
// and a blank at the very start gives an empty first entry. An entry that
// begins with a double quote runs to the next double quote and comes back
// whole without its quotes.
std::vector<std::string> SplitFileList(std::string_view text);

// The batch lines are looked at by characters of the code page: cmd reads the
// batch file as characters, so a second byte that equals "@", "^" or "|" is
// none of them.

// The batch file's first line: "set DOOMWADDIR=" and the WAD directory, its
// percent signs doubled, and the whole assignment in double quotes when the
// directory holds a character that would end the command.
std::string FormatSetLine(const AnsiCodePage& codePage, std::string_view wadDir);
// The WAD directory of that line, in either form. The unquoted line's first
// 15 characters are not examined.
std::string ParseSetLine(const AnsiCodePage& codePage, std::string_view line);

// The batch file's second line: the executable, then the response file after
// an "@".
struct RunLine {
    std::string executable;
    std::string responseFile;
    bool operator==(const RunLine&) const = default;
};
// Percent signs doubled; the executable in double quotes when it holds a
// character that would split it, end the command or read as the "@".
std::string FormatRunLine(const AnsiCodePage& codePage, const RunLine& run);
// Without an "@" the whole line is the response file's name. Unquoted, the
// character before the "@" is taken for the writer's blank and dropped.
RunLine ParseRunLine(const AnsiCodePage& codePage, std::string_view line);

} // namespace tarnwick
