// The system's own text for an error code, and the exception that carries it.
#pragma once

#include <windows.h>

#include <string>
#include <system_error>

namespace tarnwick::vesk {

// The message in the system's default language, without the line break that
// ends it; empty when the system has none.
std::string SystemMessageText(DWORD code);

// A std::system_error whose text is the system's message for the code.
std::system_error SystemError(DWORD code);

} // namespace tarnwick::vesk
