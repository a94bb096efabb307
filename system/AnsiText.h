// This 8-bit program's text and the system's wide text, and text between the
// system's code pages (CP_ACP, CP_OEMCP, CP_UTF8). Raise IoError when the
// system cannot convert.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// Text of a code page as wide text.
std::wstring WideFrom(std::string_view text, unsigned codePage);
// Wide text in a code page, without best fit: a character the code page lacks
// becomes its default character and sets lost, rather than a look-alike.
std::string NarrowTo(std::wstring_view text, unsigned codePage, bool& lost);

// A name from the system's wide functions as this program's ANSI text: "?"
// for each character that the ANSI code page lacks (never a look-alike, which
// could name another file), as the system's own 8-bit functions show it.
std::string AnsiFromWide(std::wstring_view text);
// ANSI text for the system's wide functions.
std::wstring WideFromAnsi(std::string_view text);

} // namespace tarnwick
