// Folders named in several places and spellings, each taken once.
#pragma once

#include "AnsiCodePage.h"

#include <string>
#include <vector>

namespace tarnwick {

// The folders that this program could use (every character within the ANSI
// code page, and no longer than a folder may be), each once. Two are the same
// where their keys are: the path without regard to the case of a to z, with
// "/" and "\" alike and a trailing separator ignored (a root's kept). Each is
// written with "\" and without a trailing separator, as it was named first;
// they come in the order of their keys. Sorted, not compared each with each:
// a list of many thousands takes milliseconds.
std::vector<std::string> DistinctFolders(const AnsiCodePage& codePage,
                                         const std::vector<std::string>& paths);

} // namespace tarnwick
