// The text the error box shows for an error's message.
#pragma once

#include <string>

namespace tarnwick::forms {

// The message with a full stop added when its last character sorts after "."
// in the order of character codes; a message ending in ".", "!", a blank or any
// other character up to "." is left as it is, and so is one ending in a
// sentence end of the East Asian scripts ("。", "．", "！", "？", "｡"), as the
// system's own messages in those languages do. The last character is the
// last of the ANSI code page, of one byte or two.
std::string ErrorBoxText(std::string message);

} // namespace tarnwick::forms
