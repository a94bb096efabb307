// The keywords that begin the lines of the response file and the console
// script: the writer writes them and the reader knows a line by them. Each ends
// in the blank before its value, except kExtraTic, which is a whole line.
#pragma once

#include <string_view>

namespace tarnwick::keywords {

// The response file
inline constexpr std::string_view kIwad = "-iwad ";
inline constexpr std::string_view kFile = "-file ";
inline constexpr std::string_view kDeh = "-deh ";
inline constexpr std::string_view kBex = "-bex "; // read only: the writer puts every patch on kDeh
inline constexpr std::string_view kRecord = "-record ";
inline constexpr std::string_view kPlayDemo = "-playdemo ";
inline constexpr std::string_view kTimeDemo = "-timedemo ";
inline constexpr std::string_view kLoadGame = "-loadgame ";
inline constexpr std::string_view kJoin = "-join ";
inline constexpr std::string_view kHost = "-host ";
inline constexpr std::string_view kPort = "-port ";
inline constexpr std::string_view kDup = "-dup ";
inline constexpr std::string_view kNetMode = "-netmode ";
inline constexpr std::string_view kPeerToPeerNetMode = "0";
inline constexpr std::string_view kExtraTic = "-extratic";
inline constexpr std::string_view kExec = "+exec ";
inline constexpr std::string_view kPlayerClass = "+playerclass ";
inline constexpr std::string_view kTeam = "+team ";
inline constexpr std::string_view kMap = "+map ";

// The console script
inline constexpr std::string_view kDeathmatch = "deathmatch ";
inline constexpr std::string_view kTeamplay = "teamplay ";
inline constexpr std::string_view kSwitchedOn = "1"; // the value after kDeathmatch and kTeamplay
inline constexpr std::string_view kSkill = "skill ";
inline constexpr std::string_view kFragLimit = "fraglimit ";
inline constexpr std::string_view kTimeLimit = "timelimit ";
inline constexpr std::string_view kGravity = "sv_gravity ";
inline constexpr std::string_view kAirControl = "sv_aircontrol ";
inline constexpr std::string_view kTeamDamage = "teamdamage ";

} // namespace tarnwick::keywords
