#include "SystemLetters.h"

#include "AnsiText.h"
#include "CodePageNames.h"

#include <windows.h>

#include <stdexcept>

namespace tarnwick::testing {
namespace {

std::string Ansi(std::wstring_view letters) {
    bool lost = false;
    std::string text = NarrowTo(letters, CP_ACP, lost);
    if (lost) throw std::runtime_error("no test letters for code page " + std::to_string(GetACP()));
    return text;
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
    switch (GetACP()) {
    case 932:
        return Ansi(L"\uFF83\uFF71"); // ﾃｱ: C3 B1, ñ
    case 936:
        return Ansi(L"\u697C"); // 楼: C2 A5, ¥
    case 950:
        return Ansi(L"\u7652"); // 癒: C2 A1, ¡
    case 1251:
        return Ansi(L"\u0414\u0456"); // Ді: C4 B3, ĳ
    }
    return Ansi(L"\u00D1\u00BA"); // Ñº: D1 BA, Ѻ
}

std::string LettersWhoseUtf8IsAnsiToo() {
    if (GetACP() == 1252) return SystemLetters();
    if (GetACP() == 1251) return Ansi(L"\u0430\u0431\u0432"); // абв: D0 B0 D0 B1 D0 B2
    return Ansi(L"\u03B1\u03B2\u03B3");                       // αβγ: CE B1 CE B2 CE B3
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
