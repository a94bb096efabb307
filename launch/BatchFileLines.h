// The two lines of the batch file, read back.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// Line 1: the WAD directory that "set DOOMWADDIR=" (or its quoted form,
// set "DOOMWADDIR=...") gives.
std::string WadDirFromSetLine(std::string_view line);

// Line 2: the executable and the name of the response file after its "@".
struct RunLine {
    std::string executable;
    std::string responseFile;
};
RunLine ParseRunLine(std::string_view line);

} // namespace tarnwick
