// A failed Win32 call, as an exception carrying the system's code and text.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace tarnwick::forms {

class Win32Error : public std::runtime_error {
  public:
    Win32Error(const std::string& what, DWORD code);
    DWORD Code() const noexcept { return code_; }

  private:
    DWORD code_;
};

// The system's message text for an error code, in its default language and
// without the line break that ends it.
std::string SystemMessage(DWORD code);

// Raises Win32Error for the calling thread's last error.
[[noreturn]] void ThrowLastError(const std::string& what);

} // namespace tarnwick::forms
