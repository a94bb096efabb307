// Letters beyond ASCII for the launch files' names in tests, chosen for the
// system's code pages (GetACP, GetOEMCP), so that one test runs under every
// locale, and the conversions the tests compare with.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick::testing {

// The two words of NamesOfThisCodePage, the second ending in a double-byte
// character whose second byte is "\" where the code page has one; under 932
// after ポタァ, whose second bytes are "|", "^" and "@", which cmd would take
// for its own. As ANSI text; each letter has a form in the OEM code page too.
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
