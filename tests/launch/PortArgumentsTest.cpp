// What Run gives a port of the Chocolate or the Boom line, in that port's own
// spelling, and what it says the port cannot take.
#include "PortArguments.h"

#include "SettingsTables.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using Words = std::vector<std::string>;

const AnsiCodePage kSingleByte;

PortArguments For(LaunchSettings s, std::string_view port) {
    s.sourcePort = kCustomSourcePort;
    s.customExecutable = port;
    return ArgumentsInPortSpelling(kSingleByte, s, "C:\\Games", [](const std::string& name) {
        return name == "saves\\doomsav3.dsg" || name == "mysave.dsg" || name == "old.lmp";
    });
}

TEST(PortArguments, EachLineSpellsASinglePlayerGameItsOwnWay) {
    LaunchSettings s;
    s.iwad = "Freedoom: Phase 2";
    s.files = {"maps.wad", "my map.wad", "monsters.deh", "D:\\x\\more.bex"};
    s.skill = 2;
    s.startMap = "map07";
    s.recordDemo = "C:\\demos\\run1.LMP";
    s.playDemo = "old.lmp";
    s.gravity = "400.00";
    s.airControl = 256;
    s.parameters = "-nomonsters \"-x y\" a\\\"b";
    const Words common{"-iwad",      "freedoom2.wad", "-file",        "maps.wad",
                       "my map.wad", "-deh",          "monsters.deh", "D:\\x\\more.bex"};
    const auto with = [&common](std::initializer_list<std::string> rest) {
        Words all = common;
        all.insert(all.end(), rest);
        return all;
    };
    // Chocolate Doom appends ".lmp" to the demo's name as given; Woof and
    // DSDA-Doom only to a name without an extension. Skill from 1.
    const PortArguments chocolate = For(s, "C:\\Ports\\Chocolate-Doom.exe");
    EXPECT_EQ(chocolate.arguments,
              with({"-record", "C:\\demos\\run1", "-playdemo", "old.lmp", "-warp", "07", "-skill",
                    "3", "-nomonsters", "-x y", "a\"b"}));
    const Words notPassed{"gravity 400.00 (it has no such option)",
                          "air control 256 (it has no such option)"};
    EXPECT_EQ(chocolate.notPassed, notPassed);
    for (const char* port : {"woof.exe", "dsda-doom", "eternity.exe", "nugget-doom.exe"}) {
        const PortArguments boom = For(s, port);
        EXPECT_EQ(boom.arguments,
                  with({"-record", "C:\\demos\\run1.LMP", "-playdemo", "old.lmp", "-warp", "07",
                        "-skill", "3", "-nomonsters", "-x y", "a\"b"}))
            << port;
        EXPECT_EQ(boom.notPassed, notPassed) << port;
    }

    // A map of another name has no -warp; ExMy is two numbers.
    s.startMap = "E2m4";
    const Words woof = For(s, "woof.exe").arguments;
    EXPECT_EQ(Words(woof.begin() + 12, woof.begin() + 15), (Words{"-warp", "2", "4"}));
    for (const char* map : {"START", "MAP100", "E1M10", "MAP"}) {
        s.startMap = map;
        EXPECT_EQ(For(s, "woof.exe").notPassed.front(),
                  std::string("map ") + map + " (it starts only on a map named MAPnn or ExMy)");
    }
    // The ZDoom line and any other port read the launch files: no arguments.
    EXPECT_EQ(For(s, "gzdoom.exe").arguments, Words{});
    EXPECT_EQ(For(s, "myport.exe").notPassed, Words{});
}

TEST(PortArguments, MultiplayerSavedGamesAndClassesWhereThePortHasThem) {
    LaunchSettings s;
    s.iwad = "Hexen: Beyound Heretic";
    s.players = 4;
    s.team = 1;
    s.networkDup = 2;
    s.backupPackets = true;
    s.peerToPeer = true;
    s.playerClass = "Cleric";
    s.deathmatch = true;
    s.fragLimit = 20;
    s.timeLimit = 15;
    s.friendlyFire = 50;
    s.loadGame = "saves\\doomsav3.dsg";
    // Chocolate Hexen: a server not listed on the master server, started
    // when four are in; the saved game as its folder and slot.
    EXPECT_EQ(For(s, "chocolate-hexen.exe").arguments, (Words{"-iwad",
                                                              "hexen.wad",
                                                              "-savedir",
                                                              "C:\\Games\\saves",
                                                              "-loadgame",
                                                              "3",
                                                              "-privateserver",
                                                              "-nodes",
                                                              "4",
                                                              "-port",
                                                              "5029",
                                                              "-dup",
                                                              "2",
                                                              "-extratics",
                                                              "1",
                                                              "-class",
                                                              "1",
                                                              "-deathmatch",
                                                              "-skill",
                                                              "4",
                                                              "-timer",
                                                              "15"}));
    // The local port at its default is not said.
    EXPECT_EQ(For(s, "chocolate-hexen.exe").notPassed,
              (Words{"peer-to-peer (it has no such option)", "team Red (it has no such option)",
                     "frag limit 20 (it has no such option)",
                     "friendly fire 50% (it has no such option)"}));
    // Chocolate Doom has no class; Strife no -deathmatch.
    EXPECT_EQ(For(s, "chocolate-doom.exe").notPassed[1],
              "player class Cleric (it has no such option)");
    EXPECT_EQ(For(s, "chocolate-strife.exe").notPassed[3], "deathmatch (it has no such option)");
    // DSDA-Doom has neither a saved game to load nor a network game; it has
    // the class and the limits.
    s.localPort = "6000";
    const PortArguments dsda = For(s, "dsda-doom.exe");
    EXPECT_EQ(dsda.arguments, (Words{"-iwad", "hexen.wad", "-class", "1", "-deathmatch", "-skill",
                                     "4", "-frags", "20", "-timer", "15"}));
    EXPECT_EQ(
        dsda.notPassed,
        (Words{"saved game saves\\doomsav3.dsg (it has no such option)",
               "hosting a game for 4 players (it has no such option)",
               "local port 6000 (it has no such option)",
               "network traffic factor 2 (it has no such option)",
               "peer-to-peer (it has no such option)", "backup packets (it has no such option)",
               "team Red (it has no such option)", "friendly fire 50% (it has no such option)"}));
    // Woof: -save for the folder; joining by address; no class.
    s.players = 0;
    s.remoteHost = "10.0.0.2:5029";
    s.loadGame = "mysave.dsg";
    s.playerClass = "pig";
    const PortArguments woof = For(s, "woof.exe");
    EXPECT_EQ(Words(woof.arguments.begin() + 2, woof.arguments.begin() + 6),
              (Words{"-connect", "10.0.0.2:5029", "-port", "6000"}));
    EXPECT_EQ(woof.notPassed.front(), "saved game mysave.dsg (it loads a slot, whose number must "
                                      "end the file's name, as in doomsav3.dsg)");
    EXPECT_EQ(For(s, "crispy-hexen.exe").notPassed[2],
              "player class pig (it takes only fighter, cleric or mage)");
    s.loadGame = "saves\\doomsav3.dsg";
    const Words saved = For(s, "woof.exe").arguments;
    EXPECT_EQ(Words(saved.begin() + 2, saved.begin() + 6),
              (Words{"-save", "C:\\Games\\saves", "-loadgame", "3"}));
}

} // namespace
} // namespace tarnwick
