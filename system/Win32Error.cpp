#include "Win32Error.h"

#include "OwnedHandle.h"

namespace tarnwick {
namespace {

// The text FormatMessageA allocated.
struct LocalMemoryTraits {
    using Handle = char*;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle memory) noexcept { LocalFree(memory); }
};

} // namespace

std::string SystemMessage(std::uint32_t code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    const OwnedHandle<LocalMemoryTraits> text(buffer);
    std::string message;
    if (length != 0 && text) message.assign(text.Get(), length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    if (message.empty()) message = "System error " + std::to_string(code);
    return message;
}

IoError SystemError(std::uint32_t code, std::string_view call) {
    if (call.empty()) return IoError(code, SystemMessage(code));
    return IoError(code, std::string(call) + ": " + SystemMessage(code));
}

IoError ComError(HRESULT result, std::string_view call) {
    const auto code = static_cast<std::uint32_t>(
        HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result) : result);
    return SystemError(code, call);
}

void ThrowLastError(std::string_view call) { throw SystemError(GetLastError(), call); }

} // namespace tarnwick
