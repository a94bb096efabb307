// Folder and file names in the system's ANSI code page that catch a path
// looked at byte by byte: on a double-byte system, characters whose second
// byte is "\" (0x5C); elsewhere letters beyond ASCII of the code page
// (Hangul on 949, Cyrillic on 1251, accented Latin on 1252, and so on for each
// system code page, UTF-8 among them). So one test runs on every system.
#pragma once

#include <string>

namespace tarnwick::testing {

struct CodePageNames {
    std::string trail; // one character: 表 (932), 功 (950), 乗 (936), 게, Ж, é, ...
    std::string word;  // ゲーム, 遊戲, 游戏, 게임, Игры, Données, ...
    std::string name;  // another word, ending in `trail` where that is a double-byte
                       // character: 図表, 成功, 上乗; Карты, Música
};

// The names for the ANSI code page of this process.
const CodePageNames& NamesOfThisCodePage();

// ANSI text as the UTF-8 that a Unix program or a recording shows.
std::string Utf8FromAnsi(const std::string& text);

} // namespace tarnwick::testing
