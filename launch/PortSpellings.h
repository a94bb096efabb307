// How each line of ports spells each value that the window passes on: one
// row per value, in the order of the response file's lines, then the console
// script's, then Parameters. The ZDoom line takes a value as the writer's
// line of the launch files; a port that Run starts itself takes it as its
// line's arguments, if at all. Each row says in a comment where the ports'
// own sources take that spelling (Chocolate Doom, Woof, DSDA-Doom; others
// where they differ); README.md has the same as a table.
#pragma once

#include "LaunchKeywords.h"

#include <array>
#include <string_view>

namespace tarnwick {

enum class LaunchValue {
    Iwad,
    Files,
    Patches,
    RecordDemo,
    PlayDemo,
    TimeDemo, // the demo to play, with "Fast"
    LoadGame,
    Join,
    Host,
    LocalPort,
    NetworkDup,
    PeerToPeer,
    BackupPackets,
    PlayerClass,
    Team,
    StartMap,
    Deathmatch,
    Teamplay,
    Skill,
    FragLimit,
    TimeLimit,
    Gravity,
    AirControl,
    FriendlyFire,
    Parameters,
};

enum class LaunchFile { ResponseFile, ConsoleScript };

// How a value becomes arguments: the option's words, then...
enum class ArgumentForm {
    None,         // the line has no way to take it
    Value,        // the value
    Values,       // each entry of the list
    Flag,         // nothing more: the option stands for the value
    SkillFromOne, // the skill counted from 1
    Warp,         // "NN" for MAPNN, "E" "M" for ExMy
    DemoName,     // the name without ".lmp", which the port appends to any name
    SaveSlot,     // the slot number that ends the file's name; folderOption, its folder, first
    ClassNumber,  // 0, 1 or 2 for fighter, cleric or mage
    Words,        // the text split as a command line
};

struct LineSpelling {
    constexpr LineSpelling() = default;
    constexpr LineSpelling(ArgumentForm form_, std::string_view option_,
                           std::string_view takers_ = {}, std::string_view folderOption_ = {})
        : form(form_), option(option_), takers(takers_), folderOption(folderOption_) {}

    ArgumentForm form = ArgumentForm::None;
    std::string_view option;       // words, blank-separated
    std::string_view takers;       // the ports of the line that take it; empty: every one
    std::string_view folderOption; // SaveSlot: where the port looks for saved games
};

struct ValueSpelling {
    LaunchValue value;
    std::string_view label; // as a message names it
    LaunchFile file;        // where the ZDoom line takes it
    std::string_view line;  // the keyword of its line there
    LineSpelling chocolate;
    LineSpelling boom;
};

namespace spelling {
using enum ArgumentForm;
constexpr LaunchFile kRsp = LaunchFile::ResponseFile;
constexpr LaunchFile kCfg = LaunchFile::ConsoleScript;
// Woof and Nugget Doom have Chocolate Doom's network game; DSDA-Doom,
// PrBoom+ and Eternity none that a player starts alone.
constexpr std::string_view kNetworked = "woof nugget-doom";
} // namespace spelling

// Sources: Chocolate Doom's src/ (its games' d_main.c where src/doom/ is
// named), Woof's src/, DSDA-Doom's prboom2/src/dsda/args.c (arg_config, where
// every option it knows is listed; it stops at any other). Woof and DSDA-Doom
// also stop at an option they do not know.
inline constexpr std::array<ValueSpelling, 25> kValueSpellings{{
    // Chocolate: d_iwad.c D_FindIWAD. Woof: d_iwad.c D_FindIWAD. DSDA: args.c.
    {LaunchValue::Iwad,
     "IWAD",
     spelling::kRsp,
     keywords::kIwad,
     {spelling::Value, "-iwad"},
     {spelling::Value, "-iwad"}},
    // Chocolate: w_main.c W_ParseCommandLine. Woof: d_main.c D_DoomMain.
    {LaunchValue::Files,
     "files",
     spelling::kRsp,
     keywords::kFile,
     {spelling::Values, "-file"},
     {spelling::Values, "-file"}},
    // Chocolate: deh_main.c DEH_ParseCommandLine. Woof: d_main.c
    // D_ProcessDehCommandLine.
    {LaunchValue::Patches,
     "patches",
     spelling::kRsp,
     keywords::kDeh,
     {spelling::Values, "-deh"},
     {spelling::Values, "-deh"}},
    // Chocolate: src/doom/d_main.c D_DoomMain, src/doom/g_game.c G_RecordDemo,
    // which appends ".lmp" to the name as given (Crispy then "-000" where the
    // file exists). Woof: g_game.c G_RecordDemo, which adds ".lmp" only to a
    // name without an extension; so does DSDA-Doom.
    {LaunchValue::RecordDemo,
     "demo to record",
     spelling::kRsp,
     keywords::kRecord,
     {spelling::DemoName, "-record"},
     {spelling::Value, "-record"}},
    // Chocolate: src/doom/d_main.c D_DoomMain, which adds ".lmp" only where
    // the name lacks it. Woof: d_main.c D_DoomMain.
    {LaunchValue::PlayDemo,
     "demo to play",
     spelling::kRsp,
     keywords::kPlayDemo,
     {spelling::Value, "-playdemo"},
     {spelling::Value, "-playdemo"}},
    {LaunchValue::TimeDemo,
     "demo to time",
     spelling::kRsp,
     keywords::kTimeDemo,
     {spelling::Value, "-timedemo"},
     {spelling::Value, "-timedemo"}},
    // A slot, not a file: Chocolate src/doom/d_main.c D_DoomMain (doomsavN.dsg;
    // -savedir in m_config.c M_GetSaveGameDir); Woof d_main.c D_DoomMain
    // (woofsavN.dsg, -save for the folder). DSDA-Doom has no -loadgame.
    {LaunchValue::LoadGame,
     "saved game",
     spelling::kRsp,
     keywords::kLoadGame,
     {spelling::SaveSlot, "-loadgame", {}, "-savedir"},
     {spelling::SaveSlot, "-loadgame", "woof nugget-doom prboom-plus glboom-plus eternity",
      "-save"}},
    // d_loop.c D_InitNetGame, in Chocolate Doom and in Woof.
    {LaunchValue::Join,
     "joining",
     spelling::kRsp,
     keywords::kJoin,
     {spelling::Value, "-connect"},
     {spelling::Value, "-connect", spelling::kNetworked}},
    // d_loop.c D_InitNetGame (-privateserver: a server that is not listed on
    // the master server, as -host is not); net_gui.c ParseCommandLineArgs
    // (-nodes: start when that many players, the host among them, are in).
    {LaunchValue::Host,
     "hosting a game for",
     spelling::kRsp,
     keywords::kHost,
     {spelling::Value, "-privateserver -nodes"},
     {spelling::Value, "-privateserver -nodes", spelling::kNetworked}},
    // net_sdl.c NET_SDL_InitServer, NET_SDL_InitClient.
    {LaunchValue::LocalPort,
     "local port",
     spelling::kRsp,
     keywords::kPort,
     {spelling::Value, "-port"},
     {spelling::Value, "-port", spelling::kNetworked}},
    // d_loop.c D_StartNetGame.
    {LaunchValue::NetworkDup,
     "network traffic factor",
     spelling::kRsp,
     keywords::kDup,
     {spelling::Value, "-dup"},
     {spelling::Value, "-dup", spelling::kNetworked}},
    // Their games are client and server only.
    {LaunchValue::PeerToPeer, "peer-to-peer", spelling::kRsp, keywords::kNetMode, {}, {}},
    // d_loop.c D_StartNetGame, where 1 is the default.
    {LaunchValue::BackupPackets,
     "backup packets",
     spelling::kRsp,
     keywords::kExtraTic,
     {spelling::Flag, "-extratics 1"},
     {spelling::Flag, "-extratics 1", spelling::kNetworked}},
    // Hexen only: Chocolate src/hexen/d_net.c InitConnectData; DSDA args.c.
    {LaunchValue::PlayerClass,
     "player class",
     spelling::kRsp,
     keywords::kPlayerClass,
     {spelling::ClassNumber, "-class", "chocolate-hexen crispy-hexen"},
     {spelling::ClassNumber, "-class", "dsda-doom"}},
    {LaunchValue::Team, "team", spelling::kRsp, keywords::kTeam, {}, {}},
    // Chocolate: src/doom/d_main.c D_DoomMain (Heretic's -warp E M, Strife's
    // and Hexen's a number: Hexen's warp number). Woof: d_main.c D_DoomMain.
    {LaunchValue::StartMap,
     "map",
     spelling::kRsp,
     keywords::kMap,
     {spelling::Warp, "-warp"},
     {spelling::Warp, "-warp"}},
    // Chocolate: src/doom/d_main.c D_DoomMain; Strife has -altdeath only.
    // Woof: d_main.c D_DoomMain.
    {LaunchValue::Deathmatch,
     "deathmatch",
     spelling::kCfg,
     keywords::kDeathmatch,
     {spelling::Flag, "-deathmatch",
      "chocolate-doom chocolate-heretic chocolate-hexen crispy-doom crispy-heretic crispy-hexen"},
     {spelling::Flag, "-deathmatch"}},
    {LaunchValue::Teamplay, "teamplay", spelling::kCfg, keywords::kTeamplay, {}, {}},
    // src/doom/d_main.c D_DoomMain, 1 to 5; Woof: d_main.c D_DoomMain.
    {LaunchValue::Skill,
     "skill",
     spelling::kCfg,
     keywords::kSkill,
     {spelling::SkillFromOne, "-skill"},
     {spelling::SkillFromOne, "-skill"}},
    // Woof: d_main.c D_DoomMain; DSDA: args.c.
    {LaunchValue::FragLimit,
     "frag limit",
     spelling::kCfg,
     keywords::kFragLimit,
     {},
     {spelling::Value, "-frags", "woof nugget-doom dsda-doom"}},
    // Chocolate: src/doom/d_main.c D_DoomMain; Woof: d_main.c D_DoomMain.
    {LaunchValue::TimeLimit,
     "time limit",
     spelling::kCfg,
     keywords::kTimeLimit,
     {spelling::Value, "-timer"},
     {spelling::Value, "-timer"}},
    {LaunchValue::Gravity, "gravity", spelling::kCfg, keywords::kGravity, {}, {}},
    {LaunchValue::AirControl, "air control", spelling::kCfg, keywords::kAirControl, {}, {}},
    {LaunchValue::FriendlyFire, "friendly fire", spelling::kCfg, keywords::kTeamDamage, {}, {}},
    // The last line of the response file; last, as the C runtime splits a
    // command line, for the others.
    {LaunchValue::Parameters,
     "parameters",
     spelling::kRsp,
     {},
     {spelling::Words, {}},
     {spelling::Words, {}}},
}};

} // namespace tarnwick
