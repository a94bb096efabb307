// What Save refuses to write, before it writes anything.
#pragma once

#include "AnsiCodePage.h"
#include "LaunchSettings.h"

#include <functional>
#include <string>
#include <string_view>

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

// Raises UnsavableValueError, naming the field and why, for a value that the
// chosen port would misread in the response file as written (its bytes):
// the ZDoom line and any port not known to read it otherwise take a
// backslash that ends a value in double quotes (also as the second byte of a
// double-byte character) and the closing quote as one quote, and a byte above
// 127 outside double quotes as a blank; the Chocolate line reads no more
// arguments from it than its src/m_argv.c makes room for. fileExists tells
// which demo and saved game a save writes.
void RefuseMisreadValues(const AnsiCodePage& codePage, const LaunchSettings& settings,
                         std::string_view responseFile,
                         const std::function<bool(const std::string&)>& fileExists);

// Raises UnsavableValueError for a start folder, where the launch files go,
// with a character lost on its way in.
void RefuseUnusableStartFolder(const AnsiCodePage& codePage, const std::string& startDir);

} // namespace tarnwick
