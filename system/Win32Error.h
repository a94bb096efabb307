// IoError for a failed call of the system, built in one way: the system's own
// text for the code, after the failed call's name where one is given (the
// windows name their calls; a file operation the user asked for gives the
// system's text alone, as Windows programs show it).
#pragma once

#include "SystemError.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace tarnwick {

// The system's message text for an error code, without the trailing line end.
std::string SystemMessage(std::uint32_t code);

// The error for a call that failed with the code.
IoError SystemError(std::uint32_t code, std::string_view call = {});

// The error for a COM call that failed: a Win32 error inside an HRESULT is
// given as that code.
IoError ComError(HRESULT result, std::string_view call);

// Raises the error for the calling thread's last error.
[[noreturn]] void ThrowLastError(std::string_view call);

} // namespace tarnwick
