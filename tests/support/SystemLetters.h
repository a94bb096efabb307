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
// character that the code page lacks: Äƒ under 1252 (C4 83, ă), Ді under
// 1251 (C4 B3, ĳ); empty where there are none (the UTF-8 code page 65001).
std::string LettersThatLookLikeUtf8();

// Letters of the ANSI code page whose UTF-8 bytes are ANSI text as well:
// accented Latin under 1252 (À is C3 80, "Ã€"), Cyrillic under 1251, Greek
// in the double-byte code pages.
std::string LettersWhoseUtf8IsAnsiToo();

// A letter that the ANSI code page lacks: Cyrillic, or Greek where Cyrillic is
// there, or a Japanese or a Devanagari one; empty where the ANSI code page is
// UTF-8 (65001), which lacks none.
std::wstring LetterOutsideTheCodePage();

// ANSI text in another code page (CP_OEMCP, CP_UTF8); raises when a
// character has no form there.
std::string AnsiTextIn(std::string_view ansi, unsigned codePage);

} // namespace tarnwick::testing
