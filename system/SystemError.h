// The one error type for a failed operation of the operating system (a file, a
// folder, a process, a window), with the system's error code and the message
// the user sees. Both the launch logic and the windows raise it; it holds no
// system header, so the launch logic also builds natively.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tarnwick {

class IoError : public std::runtime_error {
  public:
    IoError(std::uint32_t code, const std::string& message)
        : std::runtime_error(message), code_(code) {}
    // A Win32 error code (GetLastError), or the HRESULT of a failed COM call.
    std::uint32_t code() const noexcept { return code_; }

  private:
    std::uint32_t code_;
};

} // namespace tarnwick
