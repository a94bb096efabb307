// Reading an integer typed into a field.
#pragma once

#include <optional>
#include <string_view>

namespace tarnwick::forms {

// Leading blanks, an optional sign and decimal digits that fit 32 bits;
// anything else is not an integer.
std::optional<int> ParseTypedInteger(std::string_view text);

} // namespace tarnwick::forms
