#include "Win32Error.h"

namespace tarnwick::forms {
std::string SystemMessage(DWORD code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text =
        length ? std::string(buffer, length) : "System error " + std::to_string(code);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

Win32Error::Win32Error(const std::string& what, DWORD code)
    : std::runtime_error(what + ": " + SystemMessage(code)), code_(code) {}

void ThrowLastError(const std::string& what) { throw Win32Error(what, GetLastError()); }

} // namespace tarnwick::forms
