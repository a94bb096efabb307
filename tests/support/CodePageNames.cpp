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

CodePageNames Names() {
    struct Wide {
        const wchar_t *trail, *word, *name;
    };
    Wide wide{L"é", L"Données", L"Música"};
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
    case 1251:
        wide = {L"Ж", L"Игры", L"Карты"};
        break;
    default:
        break;
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
