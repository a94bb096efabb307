#include "Win32Error.h"

#include "Win32Platform.h"

namespace tarnwick::forms {

IoError SystemFailure(const std::string& what, DWORD code) {
    return IoError(code, what + ": " + SystemMessage(code));
}

void ThrowLastError(const std::string& what) { throw SystemFailure(what, GetLastError()); }

} // namespace tarnwick::forms
