#include "ErrorText.h"

namespace tarnwick::forms {

std::string ErrorBoxText(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
    return message;
}

} // namespace tarnwick::forms
