#include "ErrorText.h"

#include "AnsiText.h"

#include <string_view>

namespace tarnwick::forms {

std::string ErrorBoxText(std::string message) {
    constexpr std::wstring_view kWideSentenceEnds = L"\u3002\uFF0E\uFF01\uFF1F\uFF61";
    if (message.empty()) return message;
    const wchar_t last = WideFromAnsi(message).back();
    if (last > L'.' && kWideSentenceEnds.find(last) == std::wstring_view::npos) message += '.';
    return message;
}

} // namespace tarnwick::forms
