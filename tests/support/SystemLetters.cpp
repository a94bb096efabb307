#include "SystemLetters.h"

#include "AnsiText.h"
#include "CodePageNames.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace tarnwick::testing {
namespace {

std::string Ansi(std::wstring_view letters) {
    bool lost = false;
    std::string text = NarrowTo(letters, CP_ACP, lost);
    if (lost) throw std::runtime_error("no test letters for code page " + std::to_string(GetACP()));
    return text;
}

// The bytes as characters of the ANSI code page that its own reading gives
// back byte for byte, none of them a control character; nothing otherwise.
std::optional<std::wstring> AnsiCharacters(std::string_view bytes) {
    const int size = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(),
                                         int(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    if (size == 0 || MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(),
                                         int(bytes.size()), wide.data(), size) != size)
        return std::nullopt;
    bool lost = false;
    if (NarrowTo(wide, CP_ACP, lost) != bytes || lost) return std::nullopt;
    for (const wchar_t c : wide)
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return std::nullopt;
    return wide;
}

bool AreLetters(const std::optional<std::wstring>& text) {
    return text &&
           std::all_of(text->begin(), text->end(), [](wchar_t c) { return IsCharAlphaW(c); });
}

bool InAnsi(std::wstring_view text) {
    bool lost = false;
    NarrowTo(text, CP_ACP, lost);
    return !lost;
}

} // namespace

std::string SystemLetters() {
    const CodePageNames& names = NamesOfThisCodePage();
    std::string letters = names.word + names.name;
    if (GetACP() == 932) letters.insert(0, Ansi(L"\u30DD\u30BF\u30A1"));
    AnsiTextIn(letters, CP_OEMCP);
    return letters;
}

std::string LettersThatLookLikeUtf8() {
    // Two bytes of UTF-8: a lead byte C2 to DF and a continuation byte.
    for (unsigned lead = 0xC2; lead <= 0xDF; ++lead)
        for (unsigned next = 0x80; next <= 0xBF; ++next) {
            const std::string bytes{char(lead), char(next)};
            const wchar_t utf8 = wchar_t((lead & 0x1F) << 6 | (next & 0x3F));
            if (AreLetters(AnsiCharacters(bytes)) && !InAnsi(std::wstring(1, utf8))) return bytes;
        }
    return {};
}

std::string LettersWhoseUtf8IsAnsiToo() {
    static const std::string letters = [] {
        std::string found;
        int count = 0;
        for (wchar_t c = 0xC0; c < 0xD800 && count < 3; ++c) {
            const std::wstring letter(1, c);
            bool lost = false;
            const std::string ansi = NarrowTo(letter, CP_ACP, lost);
            if (!lost && AreLetters(AnsiCharacters(ansi)) &&
                AnsiCharacters(NarrowTo(letter, CP_UTF8, lost))) {
                found += ansi;
                ++count;
            }
        }
        return found;
    }();
    if (letters.empty())
        throw std::runtime_error("no test letters for code page " + std::to_string(GetACP()));
    return letters;
}

std::wstring LetterOutsideTheCodePage() {
    for (const wchar_t* letter : {L"\x043A", L"\x03B1", L"\x8868", L"\x0915"})
        if (!InAnsi(letter)) return letter;
    return {};
}

std::string AnsiTextIn(std::string_view ansi, unsigned codePage) {
    bool lost = false;
    std::string text = NarrowTo(WideFromAnsi(ansi), codePage, lost);
    if (lost)
        throw std::runtime_error("a test letter has no form in code page " +
                                 std::to_string(codePage));
    return text;
}

} // namespace tarnwick::testing
