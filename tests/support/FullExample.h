// The full example, said once for the tests that write it, read it back or
// save it from the window: its settings and the three files Save writes.
#pragma once

#include "LaunchSettings.h"

#include <initializer_list>
#include <string>

namespace tarnwick::testing {

// Four players hosting, team Red, MAP07, three resource files, deathmatch,
// peer-to-peer, limits 20 and 15, friendly fire 50 %, "-nomusic" and the IWAD
// "DOOM 2: Hell on Earth"; everything else at its default.
inline LaunchSettings FullExampleSettings() {
    LaunchSettings s;
    s.iwad = "DOOM 2: Hell on Earth";
    s.files = {"maps.wad", "sounds.pk3", "monsters.deh"};
    s.players = 4;
    s.team = 1;
    s.startMap = "MAP07";
    s.parameters = "-nomusic";
    s.friendlyFire = 50;
    s.deathmatch = true;
    s.peerToPeer = true;
    s.fragLimit = 20;
    s.timeLimit = 15;
    s.networkDup = 2;
    return s;
}

// What reading its files back gives: the IWAD comes back as the custom one,
// under the name that the response file holds.
inline LaunchSettings FullExampleReadBack() {
    LaunchSettings s = FullExampleSettings();
    s.iwad = "Custom...";
    s.customIwad = "doom2.wad";
    return s;
}

// Its three files, byte for byte, with the WAD folder wadDir.
struct ExampleFiles {
    std::string response; // qorvex.rsp
    std::string console;  // qorvex.cfg
    std::string batch;    // qorvex.bat
};

inline ExampleFiles FullExampleFiles(const std::string& wadDir) {
    const auto lines = [](std::initializer_list<std::string> each) {
        std::string text;
        for (const std::string& line : each)
            text += line + "\r\n";
        return text;
    };
    return {lines({"-iwad \"doom2.wad\"", "-file maps.wad sounds.pk3", "-deh monsters.deh",
                   "-host 4", "-port 5029", "-dup 2", "-netmode 0", "+exec qorvex.cfg", "+team 1",
                   "+map MAP07", "-nomusic"}),
            lines({"deathmatch 1", "skill 3", "fraglimit 20", "timelimit 15", "sv_gravity 800.00",
                   "sv_aircontrol 0.00390625", "teamdamage 0.5"}),
            lines({"set DOOMWADDIR=" + wadDir, "gzdoom.exe @qorvex.rsp"})};
}

} // namespace tarnwick::testing
