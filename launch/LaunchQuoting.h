// Undoing what the writer does to keep values whole: double quotes around
// values with blanks, and the batch file's doubled percent signs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// The value without its enclosing double quotes; a value not enclosed in them
// comes back unchanged.
std::string Unquoted(std::string_view value);

// The entries of a "-file ", "-deh " or "-bex " line's value. Unquoted entries
// are split at single blanks; after a blank the next character always belongs
// to the next entry, so two blanks in a row begin the next entry with a blank,
// and a blank at the very start gives an empty first entry. An entry that
// begins with a double quote runs to the next double quote and comes back
// whole without its quotes.
std::vector<std::string> SplitFileList(std::string_view text);

// The batch file's "%%" read back as "%".
std::string UnescapePercent(std::string_view text);

} // namespace tarnwick
