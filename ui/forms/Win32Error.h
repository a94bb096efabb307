// A failed call of the system in the forms layer raises the one error type
// for such failures, the launch logic's IoError, with the call named before
// the system's own text for the code.
#pragma once

#include "LaunchErrors.h"

#include <windows.h>

#include <string>

namespace tarnwick::forms {

// The error for a call that failed with the code.
IoError SystemFailure(const std::string& what, DWORD code);

// Raises the error for the calling thread's last error.
[[noreturn]] void ThrowLastError(const std::string& what);

} // namespace tarnwick::forms
