// Joining texts in one call, without the temporaries of a chain of "+".
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarnwick {

void AppendParts(std::string& text, std::initializer_list<std::string_view> parts);

} // namespace tarnwick
