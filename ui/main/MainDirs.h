// The two process-wide folders, held by the main window's unit for the whole
// run: the WAD directory, and the directory the program was started in.
#pragma once

#include <string>

namespace tarnwick {

// Used exactly as stored: it may be empty and may end with a separator.
extern std::string WadDir;
// Set once, when the main window is created; the launch files go there.
extern std::string StartDir;

} // namespace tarnwick
