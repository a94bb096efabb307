// What a path must be for this 8-bit program and for the ports it starts: every
// character within the ANSI code page, and short enough for programs that are
// not long-path aware.
#pragma once

#include "AnsiCodePage.h"
#include "LaunchErrors.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// MAX_PATH less its terminating NUL: the longest path that the file functions
// of a program that is not long-path aware take, cmd and most ports among
// them. The system counts it in characters of its wide text (the 8-bit
// functions convert to it first); each character of the ANSI code page is one
// of those, whether it takes one byte or two.
inline constexpr std::size_t kLongestPath = 259;
// A folder must leave room for a separator and an 8.3 file name in it.
inline constexpr std::size_t kLongestFolder = kLongestPath - 1 - 12;

// A name in a folder, as the scans, the reader, Add and the launch files form
// it: the folder as stored, one "\", the name. A folder that ends in a
// separator gets no second one; the empty folder gives "\name", the root of
// the current drive. The folder is looked at by characters of the code page.
std::string InFolder(const AnsiCodePage& codePage, std::string_view folder, std::string_view name);

// The path as a port started in the start folder reads it, whatever folder a
// file dialog left current: a relative path within the start folder, one that
// begins with a single separator on the start folder's drive (the current
// one when the start folder is on a network share), anything else (a drive,
// a network or device path) as it stands.
std::string FromStartFolder(const AnsiCodePage& codePage, std::string_view startDir,
                            std::string_view path);

// The last part of the path: what follows its last "\\", "/" or ":".
std::string_view FileNameOf(const AnsiCodePage& codePage, std::string_view path);

// Whether a character of the path was lost on its way in: the system hands a
// character that the ANSI code page lacks over as "?", which no Windows name
// holds. The "\\?\" prefix of the system's long-path form is not such a loss.
bool HasLostCharacter(std::string_view path);

// The refusal of text that holds characters that the ANSI code page lacks,
// as typed or pasted: `text` is it as ANSI ("?" for each), utf8 the same
// whole, which the error box shows. The message names `what` ("The file",
// "The field \"Play Demo\"") and ends with `after` (what was not done).
UnusableTextError LostCharactersRefusal(const AnsiCodePage& codePage, std::string_view what,
                                        std::string_view text, std::string_view utf8,
                                        std::string_view after);

// Why the file path cannot be used, as one message that names `what` ("The
// file", "The field \"Play Demo\"") and shows the path; nothing when it can.
std::optional<std::string> FilePathProblem(const AnsiCodePage& codePage, std::string_view what,
                                           std::string_view path);
// The same for a folder, which must leave room for the names in it.
std::optional<std::string> FolderProblem(const AnsiCodePage& codePage, std::string_view what,
                                         std::string_view folder);

// Why a port that holds every file name it is given in a buffer of MAX_PATH
// bytes (ZDoom and SkullTag) cannot take the path: its bytes in the ANSI code
// page, two for a double-byte character, must fit in `longest`.
std::optional<std::string> PortBufferProblem(const AnsiCodePage& codePage, std::string_view port,
                                             std::string_view what, std::string_view path,
                                             std::size_t longest);

} // namespace tarnwick
