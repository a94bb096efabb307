// A value as the error box shows it, whatever it holds.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

bool IsControlCharacter(char c);

// Control characters as their code in angle brackets, and cut after 300
// characters (longer than any path the program can use), so that the box
// still fits the screen.
std::string ShownValue(std::string_view value);

} // namespace tarnwick
