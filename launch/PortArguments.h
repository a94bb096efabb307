// The arguments that Run gives a port it starts itself (the Chocolate and
// Boom lines), in that port's own spelling (PortSpellings.h), and the values
// of the window that the port has no way to take.
#pragma once

#include "AnsiCodePage.h"
#include "LaunchSettings.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

struct PortArguments {
    std::vector<std::string> arguments; // after the program's own name
    // Each value the port cannot take, with the reason: "gravity 400.00 (it
    // has no such option)". A value at its default is left out.
    std::vector<std::string> notPassed;
};

// For the port that the executable names. fileExists answers whether a demo
// to play or a saved game names an existing file, as for Save (their
// arguments are given only then); a saved game's folder is taken from the
// start folder.
PortArguments ArgumentsInPortSpelling(const AnsiCodePage& codePage, const LaunchSettings& settings,
                                      std::string_view startDir,
                                      const std::function<bool(const std::string&)>& fileExists);

} // namespace tarnwick
