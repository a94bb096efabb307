#include "CodePageNames.h"

#include <windows.h>

#include <stdexcept>

namespace tarnwick::testing {
namespace {

std::string Encoded(const std::wstring& text, UINT codePage) {
    BOOL lost = FALSE;
    std::string encoded(text.size() * 4, '\0');
    encoded.resize(static_cast<std::size_t>(WideCharToMultiByte(
        codePage, codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS, text.data(), int(text.size()),
        encoded.data(), int(encoded.size()), nullptr, codePage == CP_UTF8 ? nullptr : &lost)));
    if (lost) throw std::runtime_error("a test name that the ANSI code page lacks");
    return encoded;
}

struct WideNames {
    const wchar_t *trail, *word, *name;
};

// Whether the ANSI and the OEM code page both hold every character.
bool HeldBySystem(const WideNames& names) {
    for (const wchar_t* text : {names.trail, names.word, names.name})
        for (UINT codePage : {CP_ACP, CP_OEMCP}) {
            BOOL lost = FALSE;
            char bytes[64];
            const int count = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, -1, bytes,
                                                  sizeof bytes, nullptr, &lost);
            if (count == 0 || lost) return false;
        }
    return true;
}

CodePageNames Names() {
    WideNames wide{};
    switch (GetACP()) {
    case 932:
        wide = {L"表", L"ゲーム", L"図表"};
        break;
    case 950:
        wide = {L"功", L"遊戲", L"成功"};
        break;
    case 936:
        wide = {L"乗", L"游戏", L"上乗"};
        break;
    default:
        // Elsewhere the first script that the system's code pages hold (every
        // system code page of Windows holds one of them); under UTF-8 the
        // accented letters that the windows' font "MS Sans Serif" draws.
        static constexpr WideNames kScripts[] = {
            {L"é", L"Données", L"Música"},   // Western (1252, the other Latin ones, UTF-8)
            {L"게", L"게임", L"지도"},       // Korean (949)
            {L"Ж", L"Игры", L"Карты"},       // Cyrillic (1251)
            {L"ά", L"Παιχνίδια", L"Χάρτες"}, // Greek (1253)
            {L"ש", L"משחקים", L"מפות"},      // Hebrew (1255)
            {L"ع", L"ألعاب", L"خرائط"},      // Arabic (1256)
            {L"ก", L"เกม", L"แผนที่"},         // Thai (874)
            {L"ä", L"Spiele", L"Kärtchen"},  // Baltic and Central European
        };
        for (const WideNames& script : kScripts)
            if (HeldBySystem(script)) {
                wide = script;
                break;
            }
        if (wide.trail == nullptr)
            throw std::runtime_error("no test names for code page " + std::to_string(GetACP()));
    }
    return {Encoded(wide.trail, CP_ACP), Encoded(wide.word, CP_ACP), Encoded(wide.name, CP_ACP)};
}

} // namespace

const CodePageNames& NamesOfThisCodePage() {
    static const CodePageNames names = Names();
    return names;
}

std::string Utf8FromAnsi(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(
        CP_ACP, 0, text.data(), int(text.size()), wide.data(), int(wide.size()))));
    return Encoded(wide, CP_UTF8);
}

} // namespace tarnwick::testing
