// What Save refuses to write, before it writes anything.
#pragma once

#include "AnsiCodePage.h"
#include "LaunchSettings.h"

#include <string>

namespace tarnwick {

// Raises UnsavableValueError, naming the field and the value, for a value that
// the launch files cannot carry whole: a path (the WAD directory, the custom
// IWAD and executable, a resource file, the demos, the saved game) with a
// double quote, which no Windows path holds and which would end its quoting;
// any written value with a control character; a path with a character lost
// on its way in (shown as "?") or too long for the ports (PathRules): in
// characters for every port, in bytes too for those that read ANSI. Values
// that a save leaves out are not looked at.
void RefuseUnsavableValues(const AnsiCodePage& codePage, const LaunchSettings& settings,
                           const std::string& wadDir);

// Raises UnsavableValueError for a start folder, where the launch files go,
// with a character lost on its way in.
void RefuseUnusableStartFolder(const AnsiCodePage& codePage, const std::string& startDir);

} // namespace tarnwick
