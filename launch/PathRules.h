// What a path must be for this 8-bit program and for the ports it starts: every
// character within the ANSI code page, and short enough for programs that are
// not long-path aware.
#pragma once

#include "AnsiCodePage.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// MAX_PATH less its terminating NUL: the longest path that the 8-bit file
// functions, cmd and most ports take.
inline constexpr std::size_t kLongestPath = 259;
// A folder must leave room for an 8.3 file name after its separator, as
// Windows asks of a folder it creates (MAX_PATH - 12).
inline constexpr std::size_t kLongestFolder = kLongestPath - 12;

// A name in a folder, as the scans, the reader, Add and the launch files form
// it: the folder as stored, one "\", the name. A folder that ends in a
// separator gets no second one; the empty folder gives "\name", the root of
// the current drive. The folder is looked at by characters of the code page.
std::string InFolder(const AnsiCodePage& codePage, std::string_view folder, std::string_view name);

// A path as the system finds it while folder is the current directory: one
// that begins with a separator or a drive stays as it is, any other is in
// folder. The empty path stays empty.
std::string ResolvedFrom(const AnsiCodePage& codePage, std::string_view folder,
                         std::string_view path);

// The last part of the path: what follows its last "\\", "/" or ":".
std::string_view FileNameOf(const AnsiCodePage& codePage, std::string_view path);

// Whether a character of the path was lost on its way in: the system hands a
// character that the ANSI code page lacks over as "?", which no Windows name
// holds. The "\\?\" prefix of the system's long-path form is not such a loss.
bool HasLostCharacter(std::string_view path);

// Why the file path cannot be used, as one message that names `what` ("The
// file", "The field \"Play Demo\"") and shows the path; nothing when it can.
std::optional<std::string> FilePathProblem(const AnsiCodePage& codePage, std::string_view what,
                                           std::string_view path);
// The same for a folder, which must leave room for the names in it.
std::optional<std::string> FolderProblem(const AnsiCodePage& codePage, std::string_view what,
                                         std::string_view folder);

} // namespace tarnwick
