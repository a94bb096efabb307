// The text the error box shows for an error's message.
#pragma once

#include <string>

namespace tarnwick::forms {

// The message with a full stop added when its last character sorts after "."
// in byte order; a message ending in ".", "!", a blank or any other character
// up to "." is left as it is.
std::string ErrorBoxText(std::string message);

} // namespace tarnwick::forms
