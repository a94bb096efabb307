// The errors of a failed operation of the operating system (a file, a folder,
// a process, a window, a common dialog), with the system's code and the
// message the user sees. Both the launch logic and the windows raise them;
// they hold no system header, so the launch logic also builds natively.
#pragma once

#include "ProgramError.h"

#include <cstdint>
#include <string>

namespace tarnwick {

// The code the system gave; each type below says which kind of code it is.
class SystemCodeError : public ProgramError {
  public:
    SystemCodeError(std::uint32_t code, const std::string& message)
        : ProgramError(message), code_(code) {}
    std::uint32_t code() const noexcept { return code_; }

  private:
    std::uint32_t code_;
};

// Its code is a Win32 error code (GetLastError), or the HRESULT of a failed
// COM call.
class IoError : public SystemCodeError {
  public:
    using SystemCodeError::SystemCodeError;
};

// A common file dialog that could not be shown or could not hand over the
// choice. Its code is the dialog's own (CommDlgExtendedError: CDERR_*,
// FNERR_*), neither a Win32 code nor an HRESULT.
class FileDialogError : public SystemCodeError {
  public:
    using SystemCodeError::SystemCodeError;
};

} // namespace tarnwick
