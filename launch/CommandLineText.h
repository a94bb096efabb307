// Command lines: how the C runtime that a port is built with splits one into
// its arguments, how one is written so that each argument comes back whole,
// and how one is written for a person to paste into a Command Prompt, which
// reads it before the program does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// The longest command that a Command Prompt takes, in characters.
inline constexpr std::size_t kLongestConsoleCommand = 8191;

// The arguments of a command line as the C runtime splits it (Microsoft's
// rules since Visual C++ 2008): white space ends an argument outside double
// quotes; backslashes count only before a double quote, where each pair is
// one backslash and an odd one makes the quote a character; "" within double
// quotes is a double quote.
std::vector<std::string> SplitCommandLine(std::string_view line);

// A command line for CreateProcess: the program, then each argument, each
// written so that SplitCommandLine gives it back whole.
std::string CommandLine(std::string_view program, const std::vector<std::string>& arguments);

// One argument as a person pastes it into a Command Prompt, so that cmd
// leaves it alone and the program's C runtime gets it back whole: in double
// quotes when it is empty or holds a blank, a tab or one of cmd's "&|<>^()";
// a double quote, and the backslashes before it, escaped for the C runtime,
// and out of cmd's sight behind a caret; a "%" that could begin a
// variable's name, such as "%OS%", kept from being expanded by a double
// quote after it, which closes the quotes or opens and closes them.
std::string ConsoleArgument(std::string_view argument);
// The same for the program's path, which cmd also splits at "[]{}=;!'+,`~".
std::string ConsoleProgram(std::string_view path);
// "set NAME=value", as a Command Prompt sets the value whole, or removes the
// variable where the value is empty, as the batch file's line does. Unquoted,
// since set would keep quotes within the value: cmd's characters behind a
// caret, and a caret after each "%" but a last one, which at a prompt keeps
// "%OS%" from being expanded (the prompt looks for the variable "^OS", and
// then drops the caret).
std::string ConsoleSetLine(std::string_view name, std::string_view value);

} // namespace tarnwick
