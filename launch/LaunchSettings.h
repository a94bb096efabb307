// Every choice of the main window, as one plain value.
#pragma once

#include <string>
#include <vector>

namespace tarnwick {

// Default-initialised, the record holds the values the main window's controls
// start with. Strings are ANSI text, stored exactly as typed or chosen.
struct LaunchSettings {
    // General
    int sourcePort = 0; // index into kSourcePorts
    std::string customExecutable;
    int skill = 3;   // index into kSkillCaptions, -1 for none
    int players = 1; // index into kPlayerCaptions; 1 is single player
    std::string playerClass;
    std::string startMap;
    int team = -1; // index into kTeamCaptions, -1 for no team
    std::string recordDemo;
    std::string playDemo;
    bool fastDemo = false;
    std::string parameters;

    // Files
    std::string iwad; // a catalogue title, or anything else for customIwad
    std::string customIwad;
    std::vector<std::string> files;
    std::string loadGame;

    // Gameplay
    std::string gravity = "800.00";
    int airControl = 1;   // 0..256, written as airControl / 256
    int friendlyFire = 0; // 0..100, written as friendlyFire / 100

    // Multiplayer
    bool deathmatch = false;
    bool teamplay = false;
    bool peerToPeer = false;
    bool backupPackets = false;
    std::string localPort = "5029";
    std::string remoteHost;
    int fragLimit = 0;
    int timeLimit = 0;
    int networkDup = 1; // 1 ("Full") .. 9 ("Min")

    bool operator==(const LaunchSettings&) const = default;
};

} // namespace tarnwick
