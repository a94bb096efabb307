// Where cmd finds the program that a line of a batch file names.
#pragma once

#include "Platform.h"

#include <string>
#include <string_view>

namespace tarnwick {

// The full path of the program that cmd runs for name in folder, its current
// directory: a name with a folder part is taken from there; a bare name is
// looked for in folder, then along PATH. The name is taken with the extension
// it has. Empty when no such file exists, or name is empty.
std::string FindProgram(Platform& platform, std::string_view folder, std::string_view name);

} // namespace tarnwick
