// The fixed item lists and ranges that the settings index into; the main window
// shows the same lists.
#pragma once

#include "TextEncoding.h"

#include <array>
#include <string_view>

namespace tarnwick {

struct SourcePortItem {
    std::string_view caption;
    std::string_view executable; // empty for the custom entry
    // What the port reads a response file in: GZDoom takes its arguments as
    // UTF-8, ZDoom and SkullTag in the ANSI code page; every maintained port
    // reads UTF-8, so a custom one gets it too.
    TextEncoding responseFileEncoding;
};

inline constexpr std::array<SourcePortItem, 4> kSourcePorts{{
    {"GZDoom", "gzdoom.exe", TextEncoding::Utf8},
    {"ZDoom", "zdoom.exe", TextEncoding::Ansi},
    {"SkullTag", "skulltag.exe", TextEncoding::Ansi},
    {"Custom...", "", TextEncoding::Utf8},
}};
inline constexpr int kCustomSourcePort = 3;

inline constexpr std::array<std::string_view, 5> kSkillCaptions{
    "0: I'm too young to die", "1: Hey, not too rough", "2: Hurt me plenty",
    "3: Ultra-violence",       "4: Nightmare!",
};

inline constexpr int kJoiningPlayers = 0;
inline constexpr int kSinglePlayer = 1;
inline constexpr int kMaxPlayers = 8; // hosting is for 2 .. kMaxPlayers
inline constexpr std::array<std::string_view, kMaxPlayers + 1> kPlayerCaptions{
    "Joining", "Single", "2", "3", "4", "5", "6", "7", "8",
};

inline constexpr std::array<std::string_view, 9> kTeamCaptions{
    "Blue", "Red", "Green", "Gold", "Black", "White", "Orange", "Purple", "None",
};
// The entry "None": a user's choice of it clears the selection, so no team is
// held as kNoSelection. Read back from a file, it stays selected.
inline constexpr int kTeamNoneEntry = 8;

inline constexpr int kNoSelection = -1; // of any list; for the team, no team
inline constexpr int kAirControlMax = 256;
inline constexpr int kFriendlyFireMax = 100;
inline constexpr int kLimitMax = 999999999;
inline constexpr int kLimitMaxLength = 9;
inline constexpr int kGravityMaxLength = 20;
inline constexpr int kDupMin = 1;
inline constexpr int kDupMax = 9;

} // namespace tarnwick
