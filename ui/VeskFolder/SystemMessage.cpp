#include "SystemMessage.h"

#include <memory>

namespace tarnwick::vesk {

namespace {

struct LocalMemoryFree {
    void operator()(char* text) const { LocalFree(text); }
};

} // namespace

std::string SystemMessageText(DWORD code) {
    char* buffer = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::unique_ptr<char, LocalMemoryFree> owned(buffer);
    if (length == 0 || buffer == nullptr) return {};
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::system_error SystemError(DWORD code) {
    return std::system_error(static_cast<int>(code), std::system_category(),
                             SystemMessageText(code));
}

} // namespace tarnwick::vesk
