// A settings record as text, every field on a line of its own, so that a
// failed comparison shows which fields differ.
#pragma once

#include "LaunchSettings.h"

#include <string>

namespace tarnwick::testing {

inline std::string Describe(const LaunchSettings& s) {
    std::string text;
    const auto field = [&text](const char* name, const std::string& value) {
        text.append(name).append("=[").append(value).append("]\n");
    };
    const auto number = [&field](const char* name, int value) {
        field(name, std::to_string(value));
    };
    number("sourcePort", s.sourcePort);
    field("customExecutable", s.customExecutable);
    number("skill", s.skill);
    number("players", s.players);
    field("playerClass", s.playerClass);
    field("startMap", s.startMap);
    number("team", s.team);
    field("recordDemo", s.recordDemo);
    field("playDemo", s.playDemo);
    number("fastDemo", s.fastDemo);
    field("parameters", s.parameters);
    field("iwad", s.iwad);
    field("customIwad", s.customIwad);
    for (const std::string& entry : s.files)
        field("files", entry);
    field("loadGame", s.loadGame);
    field("gravity", s.gravity);
    number("airControl", s.airControl);
    number("friendlyFire", s.friendlyFire);
    number("deathmatch", s.deathmatch);
    number("teamplay", s.teamplay);
    number("peerToPeer", s.peerToPeer);
    number("backupPackets", s.backupPackets);
    field("localPort", s.localPort);
    field("remoteHost", s.remoteHost);
    number("fragLimit", s.fragLimit);
    number("timeLimit", s.timeLimit);
    number("networkDup", s.networkDup);
    return text;
}

} // namespace tarnwick::testing
