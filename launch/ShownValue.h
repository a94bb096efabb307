// A value as the error box shows it, whatever it holds.
#pragma once

#include "AnsiCodePage.h"

#include <string>
#include <string_view>

namespace tarnwick {

bool IsControlCharacter(char c);

// Control characters as their code in angle brackets, and cut after 300
// characters (longer than any path the program can use; never inside one),
// so that the box still fits the screen.
std::string ShownValue(const AnsiCodePage& codePage, std::string_view value);

// The shape of every message that shows a value: the text before it, the
// value on a line of its own as ShownValue gives it, the text after it.
std::string ShowingValue(const AnsiCodePage& codePage, std::string_view before,
                         std::string_view value, std::string_view after);

} // namespace tarnwick
