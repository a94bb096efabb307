// Letters beyond ASCII for the names that tests make, chosen for the system's
// code pages (GetACP, GetOEMCP), so that one test runs under every locale:
// accented Latin under 1252, Cyrillic under 1251, and under 932, 936 and 950
// double-byte characters whose second byte is "\" (in 932 also "|", "^" and
// "@"), ending in one whose second byte is "\".
#pragma once

#include <string>
#include <string_view>

namespace tarnwick::testing {

// As ANSI text. Each has a form in the OEM code page too.
std::string SystemLetters();

// Letters of the ANSI code page whose bytes happen to be valid UTF-8 of a
// character that the code page lacks: Ді under 1251 (C4 B3), 楼 under 936.
std::string LettersThatLookLikeUtf8();

// Letters of the ANSI code page whose UTF-8 bytes are ANSI text as well:
// accented Latin under 1252 (é is C3 A9, "Ã©"), Cyrillic under 1251, Greek
// in the double-byte code pages.
std::string LettersWhoseUtf8IsAnsiToo();

// ANSI text in another code page (CP_OEMCP, CP_UTF8); raises when a
// character has no form there.
std::string AnsiTextIn(std::string_view ansi, unsigned codePage);

} // namespace tarnwick::testing
