#include "DoubleByteCodePage.h"
#include "FullExample.h"
#include "LaunchErrors.h"
#include "LaunchFileFormat.h"
#include "NumberText.h"
#include "UnsavableValues.h"

#include <gtest/gtest.h>

#include <set>

namespace tarnwick {
namespace {

const auto kNothingExists = [](const std::string&) { return false; };
const AnsiCodePage kSingleByte;

TEST(LaunchFileFormat, WritesTheDefaultsExample) {
    LaunchSettings s;
    s.iwad = "DOOM 2: Hell on Earth";
    const LaunchFileSet set = FormatLaunchFiles(kSingleByte, s, "C:\\WADS", kNothingExists);
    EXPECT_EQ(set.responseFile, "-iwad \"doom2.wad\"\r\n+exec qorvex.cfg\r\n");
    EXPECT_EQ(set.consoleScript, "skill 3\r\nfraglimit 0\r\ntimelimit 0\r\nsv_gravity 800.00\r\n"
                                 "sv_aircontrol 0.00390625\r\nteamdamage 0\r\n");
    EXPECT_EQ(set.batchFile, "set DOOMWADDIR=C:\\WADS\r\ngzdoom.exe @qorvex.rsp\r\n");
}

TEST(LaunchFileFormat, WritesTheFullExample) {
    const LaunchFileSet set = FormatLaunchFiles(kSingleByte, testing::FullExampleSettings(),
                                                "C:\\Games\\WADs", kNothingExists);
    const testing::ExampleFiles expected = testing::FullExampleFiles("C:\\Games\\WADs");
    EXPECT_EQ(set.responseFile, expected.response);
    EXPECT_EQ(set.consoleScript, expected.console);
    EXPECT_EQ(set.batchFile, expected.batch);
}

TEST(LaunchFileFormat, WritesFractionsShortAndExact) {
    const std::pair<int, const char*> air[] = {{0, "0"},     {1, "0.00390625"}, {3, "0.01171875"},
                                               {64, "0.25"}, {128, "0.5"},      {255, "0.99609375"},
                                               {256, "1"}};
    for (const auto& [value, text] : air)
        EXPECT_EQ(FormatFraction(value, 256), text) << value;
    const std::pair<int, const char*> damage[] = {
        {0, "0"}, {1, "0.01"}, {7, "0.07"}, {10, "0.1"}, {33, "0.33"}, {50, "0.5"}, {100, "1"}};
    for (const auto& [value, text] : damage)
        EXPECT_EQ(FormatFraction(value, 100), text) << value;

    // Every value of both ranges: plain decimal, no exponent, no trailing zero.
    for (int d : {256, 100}) {
        for (int v = 1; v <= d; ++v) {
            const std::string text = FormatFraction(v, d);
            EXPECT_EQ(text.find_first_of("eE,"), std::string::npos) << text;
            EXPECT_NE(text.back(), '0') << text;
        }
    }

    LaunchSettings s;
    s.airControl = 256;
    s.friendlyFire = 50;
    const std::string cfg = FormatLaunchFiles(kSingleByte, s, "", kNothingExists).consoleScript;
    EXPECT_NE(cfg.find("sv_aircontrol 1\r\nteamdamage 0.5\r\n"), std::string::npos) << cfg;
}

TEST(LaunchFileFormat, ClassifiesPatchesByTheirExactEnding) {
    LaunchSettings s;
    s.files = {"a.deh", "FIX.DEH", "x.DeH", "b.bex", "de", ".deh", "maps.wad", "c.BEX"};
    const std::string rsp = FormatLaunchFiles(kSingleByte, s, "", kNothingExists).responseFile;
    EXPECT_EQ(rsp, "-iwad \"\"\r\n-file FIX.DEH x.DeH de maps.wad c.BEX\r\n"
                   "-deh a.deh b.bex .deh\r\n+exec qorvex.cfg\r\n");

    s.files = {"only.deh", "patch.bex"};
    EXPECT_EQ(FormatLaunchFiles(kSingleByte, s, "", kNothingExists).responseFile,
              "-iwad \"\"\r\n-deh only.deh patch.bex\r\n+exec qorvex.cfg\r\n");
}

TEST(LaunchFileFormat, WritesNetworkLinesOnlyInMultiplayer) {
    LaunchSettings s;
    s.peerToPeer = s.backupPackets = true;
    s.localPort = "";
    s.networkDup = 5;
    s.team = 3;
    s.remoteHost = "example";
    const std::string single = FormatLaunchFiles(kSingleByte, s, "", kNothingExists).responseFile;
    for (const char* keyword :
         {"-join", "-host", "-port", "-dup", "-netmode", "-extratic", "+team"})
        EXPECT_EQ(single.find(keyword), std::string::npos) << keyword;

    s.players = 0;
    s.remoteHost = "";
    s.team = -1;
    EXPECT_EQ(FormatLaunchFiles(kSingleByte, s, "", kNothingExists).responseFile,
              "-iwad \"\"\r\n-join \r\n-port \r\n-dup 5\r\n-netmode 0\r\n-extratic\r\n"
              "+exec qorvex.cfg\r\n+team -1\r\n");

    s.players = 8;
    const std::string host = FormatLaunchFiles(kSingleByte, s, "", kNothingExists).responseFile;
    EXPECT_NE(host.find("\r\n-host 8\r\n-port \r\n"), std::string::npos) << host;
    EXPECT_EQ(host.find("-join"), std::string::npos);
}

TEST(LaunchFileFormat, WritesCustomChoicesUnvalidated) {
    LaunchSettings s;
    s.iwad = "Custom...";
    s.sourcePort = 3;
    s.gravity = "";
    const LaunchFileSet empty = FormatLaunchFiles(kSingleByte, s, "", kNothingExists);
    EXPECT_EQ(empty.responseFile.substr(0, 10), "-iwad \"\"\r\n");
    EXPECT_EQ(empty.batchFile, "set DOOMWADDIR=\r\n @qorvex.rsp\r\n");
    EXPECT_NE(empty.consoleScript.find("\r\nsv_gravity \r\n"), std::string::npos);

    // Titles map by exact text only; anything else is the custom IWAD.
    s.customIwad = "D:\\Iwads\\my game.wad";
    for (const char* title : {"Hexen: Beyond Heretic", "doom 2: hell on earth",
                              "DOOM 2: Hell on Earth ", "", "Custom..."}) {
        s.iwad = title;
        EXPECT_EQ(FormatLaunchFiles(kSingleByte, s, "", kNothingExists).responseFile.substr(0, 30),
                  "-iwad \"D:\\Iwads\\my game.wad\"\r\n")
            << title;
    }
    s.iwad = "Hexen: Beyound Heretic";
    EXPECT_EQ(FormatLaunchFiles(kSingleByte, s, "", kNothingExists).responseFile.substr(0, 19),
              "-iwad \"hexen.wad\"\r\n");

    s.sourcePort = 2;
    EXPECT_EQ(FormatLaunchFiles(kSingleByte, s, "", kNothingExists).batchFile.substr(17),
              "skulltag.exe @qorvex.rsp\r\n");
}

TEST(LaunchFileFormat, WritesDemoAndSavedGameOnlyWhenTheyExist) {
    LaunchSettings s;
    s.recordDemo = "new.lmp";
    s.playDemo = "old.lmp";
    s.loadGame = "save0.zds";
    const std::set<std::string> existing = {"old.lmp", "save0.zds"};
    const auto exists = [&existing](const std::string& name) { return existing.count(name) > 0; };

    std::string rsp = FormatLaunchFiles(kSingleByte, s, "", exists).responseFile;
    EXPECT_NE(rsp.find("-record new.lmp\r\n-playdemo old.lmp\r\n-loadgame save0.zds\r\n"),
              std::string::npos)
        << rsp;
    s.fastDemo = true;
    rsp = FormatLaunchFiles(kSingleByte, s, "", exists).responseFile;
    EXPECT_NE(rsp.find("-timedemo old.lmp\r\n"), std::string::npos) << rsp;

    rsp = FormatLaunchFiles(kSingleByte, s, "", kNothingExists).responseFile;
    EXPECT_EQ(rsp, "-iwad \"\"\r\n-record new.lmp\r\n+exec qorvex.cfg\r\n");
}

// A byte above 127 ends an unquoted argument for the ports of the ZDoom line
// (they read it as a signed char, below the blank), so it is quoted too.
TEST(LaunchFileFormat, QuotesValuesWithBlanksOrBytesAbove127) {
    LaunchSettings s;
    s.files = {"C:\\My Wads\\x.wad", "plain.wad", "C:\\My Wads\\fix.deh", "carte\xE9.wad"};
    s.recordDemo = "my demo.lmp";
    s.playDemo = "old demo.lmp";
    s.loadGame = "save game.zds";
    s.parameters = "-nomusic -width 640";
    const auto exists = [](const std::string&) { return true; };
    EXPECT_EQ(FormatLaunchFiles(kSingleByte, s, "", exists).responseFile,
              "-iwad \"\"\r\n-file \"C:\\My Wads\\x.wad\" plain.wad \"carte\xE9.wad\"\r\n"
              "-deh \"C:\\My Wads\\fix.deh\"\r\n-record \"my demo.lmp\"\r\n"
              "-playdemo \"old demo.lmp\"\r\n-loadgame \"save game.zds\"\r\n"
              "+exec qorvex.cfg\r\n-nomusic -width 640\r\n");
}

TEST(LaunchFileFormat, KeepsTheBatchFileFromRunningOtherCommands) {
    LaunchSettings s;
    s.sourcePort = 3;
    const auto batch = [&s](const std::string& wadDir) {
        return FormatLaunchFiles(kSingleByte, s, wadDir, kNothingExists).batchFile;
    };

    s.customExecutable = "C:\\Ports\\port.exe";
    EXPECT_EQ(batch("C:\\WADs"), "set DOOMWADDIR=C:\\WADs\r\nC:\\Ports\\port.exe @qorvex.rsp\r\n");
    EXPECT_EQ(batch("C:\\100%PATH%"), "set DOOMWADDIR=C:\\100%%PATH%%\r\n"
                                      "C:\\Ports\\port.exe @qorvex.rsp\r\n");
    EXPECT_EQ(batch("a & echo INJECTED"), "set \"DOOMWADDIR=a & echo INJECTED\"\r\n"
                                          "C:\\Ports\\port.exe @qorvex.rsp\r\n");
    for (const char* special : {"|", "<", ">", "^"})
        EXPECT_EQ(batch(std::string("x") + special).substr(0, 5), "set \"") << special;

    const std::pair<const char*, const char*> executables[] = {
        {"C:\\My Ports\\port.exe", "\"C:\\My Ports\\port.exe\" @qorvex.rsp\r\n"},
        {"C:\\a@b\\port.exe", "\"C:\\a@b\\port.exe\" @qorvex.rsp\r\n"},
        {"C:\\Ports (x86)\\p.exe", "\"C:\\Ports (x86)\\p.exe\" @qorvex.rsp\r\n"},
        {"C:\\a&b;c,d=e\\p.exe", "\"C:\\a&b;c,d=e\\p.exe\" @qorvex.rsp\r\n"},
        {"C:\\50%\\p.exe", "C:\\50%%\\p.exe @qorvex.rsp\r\n"},
        {"GZDoom.exe", "GZDoom.exe @qorvex.rsp\r\n"},
    };
    for (const auto& [executable, line] : executables) {
        s.customExecutable = executable;
        EXPECT_EQ(batch("W"), std::string("set DOOMWADDIR=W\r\n") + line) << executable;
    }
}

// The refusal's message, or "" when the values may be saved.
std::string Refusal(const LaunchSettings& settings, const std::string& wadDir,
                    const AnsiCodePage& codePage = kSingleByte) {
    try {
        RefuseUnsavableValues(codePage, settings, wadDir);
    } catch (const UnsavableValueError& error) {
        return error.what();
    }
    return "";
}

TEST(LaunchFileFormat, RefusesValuesThatWouldNotComeThroughWhole) {
    LaunchSettings s;
    EXPECT_EQ(Refusal(s, "C:\\WADS"), "");
    // Unrefused, this value ends the quoting of the batch file's set line.
    EXPECT_EQ(Refusal(s, "C:\\w\" & md pwned & \""),
              "The WAD directory holds a double quote, which no Windows path can hold:\n"
              "C:\\w\" & md pwned & \"\nNothing was saved.");

    struct Field {
        std::string name;
        std::string LaunchSettings::*value;
        bool path; // a double quote is refused too
    };
    const Field fields[] = {
        {"The custom IWAD", &LaunchSettings::customIwad, true},
        {"The custom source port", &LaunchSettings::customExecutable, true},
        {"The field \"Record Demo\"", &LaunchSettings::recordDemo, true},
        {"The field \"Play Demo\"", &LaunchSettings::playDemo, true},
        {"The field \"Load Game\"", &LaunchSettings::loadGame, true},
        {"The field \"Player class\"", &LaunchSettings::playerClass, false},
        {"The field \"Start on map\"", &LaunchSettings::startMap, false},
        {"The field \"Parameters\"", &LaunchSettings::parameters, false},
        {"The field \"Gravity\"", &LaunchSettings::gravity, false},
        {"The field \"Remote host\"", &LaunchSettings::remoteHost, false},
        {"The field \"Local Port\"", &LaunchSettings::localPort, false},
    };
    LaunchSettings everyLine;
    everyLine.iwad = "Custom...";
    everyLine.sourcePort = 3;
    everyLine.players = 0;
    everyLine.files = {"C:\\My Wads\\x.wad", "\xE4\xFF.pk3"};
    EXPECT_EQ(Refusal(everyLine, "W"), "");
    for (const Field& field : fields) {
        LaunchSettings t = everyLine;
        t.*field.value = "+set x \"a b\"";
        const std::string quote = Refusal(t, "W");
        EXPECT_EQ(quote.empty(), !field.path) << field.name << ": " << quote;
        EXPECT_TRUE(quote.empty() || quote.starts_with(field.name + " holds a double quote"));
        t.*field.value = std::string("E1\tM1\0", 6);
        const std::string control = Refusal(t, "W");
        EXPECT_TRUE(control.starts_with(field.name + " holds a control character")) << control;
        EXPECT_NE(control.find("\nE1<09>M1<00>\n"), std::string::npos) << control;
    }
    everyLine.files.push_back("two\r\nlines.wad");
    EXPECT_NE(Refusal(everyLine, "W").find("An entry of the list \"Files\" holds a control "),
              std::string::npos);
    everyLine.files.back() = "\"quoted\".wad";
    EXPECT_NE(Refusal(everyLine, "W").find("\n\"quoted\".wad\n"), std::string::npos);

    // Values that no line of this save holds are not looked at.
    LaunchSettings unwritten;
    unwritten.iwad = "DOOM 2: Hell on Earth";
    unwritten.customIwad = "a\"b";
    unwritten.customExecutable = "a\"b";
    unwritten.remoteHost = unwritten.localPort = "\x01";
    EXPECT_EQ(Refusal(unwritten, "W"), "");

    // A path with a character lost on its way in, or longer than the ports
    // take: a folder must leave room for an 8.3 name.
    LaunchSettings lost;
    lost.files.push_back("C:\\Jeux\\?????.wad");
    EXPECT_TRUE(
        Refusal(lost, "W").starts_with("An entry of the list \"Files\"\nC:\\Jeux\\?????"
                                       ".wad\nholds characters that the system's code page"))
        << Refusal(lost, "W");
    EXPECT_EQ(Refusal(s, "\\\\?\\C:\\WADS"), ""); // the system's long-path form loses nothing
    // 246 + "\\" + an 8.3 name is 259.
    EXPECT_EQ(Refusal(s, "C:\\" + std::string(243, 'w')), "");
    EXPECT_NE(Refusal(s, "C:\\" + std::string(244, 'w'))
                  .find("\nis 247 characters long; this program and most source ports take at "
                        "most 246 characters here. Choose a shorter path."),
              std::string::npos);
    LaunchSettings longPath;
    longPath.playDemo = "C:\\" + std::string(252, 'd') + ".lmp";
    EXPECT_EQ(Refusal(longPath, "W"), "");
    longPath.playDemo.insert(3, "d");
    EXPECT_TRUE(Refusal(longPath, "W").starts_with("The field \"Play Demo\"\nC:\\ddd"));

    // The system counts characters, one for each of two bytes too; ZDoom and
    // SkullTag, which read ANSI, hold a path in MAX_PATH bytes.
    const auto japanese = [](std::size_t characters) {
        std::string text = "C:\\";
        for (std::size_t i = 0; i < characters; ++i)
            text += "\x95\x5C"; // 表
        return text;
    };
    const AnsiCodePage codePage = testing::JapaneseCodePage();
    LaunchSettings wide;
    wide.files = {japanese(250) + ".wad"}; // 257 characters, 507 bytes
    EXPECT_EQ(Refusal(wide, japanese(243), codePage), "");
    EXPECT_NE(Refusal(wide, japanese(244), codePage).find("\nis 247 characters long"),
              std::string::npos);
    wide.sourcePort = 1;
    EXPECT_NE(Refusal(wide, japanese(5), codePage)
                  .find("\nis 507 bytes long; ZDoom (which counts a double-byte character as "
                        "two) takes at most 259 bytes here. Choose a shorter path."),
              std::string::npos)
        << Refusal(wide, japanese(5), codePage);
    wide.files = {japanese(128)}; // 259 bytes
    EXPECT_EQ(Refusal(wide, japanese(121), codePage), "");
    wide.sourcePort = 2;
    EXPECT_TRUE(
        Refusal(wide, japanese(122), codePage).starts_with("The WAD directory\nC:\\\x95\x5C"))
        << Refusal(wide, japanese(122), codePage);
    EXPECT_NE(Refusal(wide, japanese(122), codePage).find("\nis 247 bytes long; SkullTag (which"),
              std::string::npos);

    // Where the ANSI code page is UTF-8 a character takes up to four bytes,
    // and one beyond the Basic Multilingual Plane counts two for the system.
    const AnsiCodePage utf8 = AnsiCodePage::Utf8();
    const auto devanagari = [](std::size_t characters) {
        std::string text = "C:\\";
        for (std::size_t i = 0; i < characters; ++i)
            text += "\xE0\xA4\x95"; // क
        return text;
    };
    EXPECT_EQ(Refusal(s, devanagari(243), utf8), "") << "732 bytes, 246 characters";
    EXPECT_NE(Refusal(s, devanagari(244), utf8).find("\nis 247 characters long"),
              std::string::npos);
    const std::string game = "\xF0\x9F\x8E\xAE"; // 🎮
    EXPECT_EQ(Refusal(s, devanagari(241) + game, utf8), "");
    EXPECT_NE(Refusal(s, devanagari(242) + game, utf8).find("\nis 247 characters long"),
              std::string::npos);

    // A long value is shown shortened, never inside a character.
    const std::string shown = Refusal(s, std::string(100000, 'w') + "\"");
    EXPECT_LT(shown.size(), 400u);
    EXPECT_NE(shown.find("www...\nNothing was saved."), std::string::npos) << shown;
    const std::string shownDevanagari = Refusal(s, devanagari(400) + "\"", utf8);
    EXPECT_NE(shownDevanagari.find("\n" + devanagari(297) + "...\n"), std::string::npos);
}

std::string Misread(const LaunchSettings& s, const AnsiCodePage& codePage = kSingleByte) {
    const auto fileExists = [](const std::string& name) { return name == "here.lmp"; };
    try {
        RefuseMisreadValues(
            codePage, s, FormatLaunchFiles(codePage, s, "W", fileExists).responseFile, fileExists);
    } catch (const UnsavableValueError& error) {
        return error.what();
    }
    return "";
}

// The ZDoom line (and a port not known) reads a backslash before a closing
// quote as a quote, and a byte above 127 outside quotes as a blank; the
// Chocolate line reads at most 99 arguments from the response file.
TEST(LaunchFileFormat, RefusesWhatThePortWouldMisread) {
    LaunchSettings s;
    s.iwad = "DOOM 2: Hell on Earth";
    s.playDemo = "here.lmp";
    EXPECT_EQ(Misread(s), "");
    s.recordDemo = "my demos\\";
    EXPECT_EQ(Misread(s),
              "The field \"Record Demo\" ends in a backslash (or in a character whose last byte "
              "is one) inside the double quotes that the response file gives it: gzdoom.exe reads "
              "it with the closing quote as a quote, and the rest of the file as part of this "
              "value:\nmy demos\\\nNothing was saved.");
    s.recordDemo = "demos\\"; // unquoted, whole
    EXPECT_EQ(Misread(s), "");
    s.playDemo = "here.lmp \\"; // a demo that is not written is not looked at
    EXPECT_EQ(Misread(s), "");
    s.iwad = "Custom..."; // always in quotes
    s.customIwad = "D:\\iwads\\";
    EXPECT_TRUE(Misread(s).starts_with("The custom IWAD ends in a backslash")) << Misread(s);
    s.customIwad = "D:\\iwads\\doom2.wad";
    s.files = {"a b\\", "c"};
    EXPECT_TRUE(Misread(s).starts_with("An entry of the list \"Files\" ends in a backslash"));

    // デモ表: the last byte of 表 is 0x5C in the ANSI code page, which ZDoom
    // reads; in the UTF-8 that GZDoom reads no byte of it is.
    const AnsiCodePage japanese = testing::JapaneseCodePage();
    LaunchSettings demo;
    demo.recordDemo = "\x83\x66\x83\x82\x95\x5C";
    demo.sourcePort = 1;
    EXPECT_TRUE(Misread(demo, japanese).starts_with("The field \"Record Demo\" ends in a "))
        << Misread(demo, japanese);
    demo.sourcePort = 0;
    EXPECT_EQ(Misread(demo, japanese), "");

    // Beyond ASCII without quotes: the value would arrive cut or empty.
    LaunchSettings plain;
    plain.playerClass = "\xD5\xBD\xCA\xBF";
    EXPECT_EQ(Misread(plain),
              "The field \"Player class\" holds a character beyond ASCII, which the response file "
              "writes without double quotes and gzdoom.exe reads there as a blank: the value "
              "would arrive cut or empty:\n\xD5\xBD\xCA\xBF\nNothing was saved.");
    plain.sourcePort = kCustomSourcePort; // a port that Run starts itself reads no such line
    plain.customExecutable = "C:\\Ports\\woof.exe";
    EXPECT_EQ(Misread(plain), "");
    plain.customExecutable = "C:\\Ports\\myport.exe";
    EXPECT_NE(Misread(plain), "");
    plain.playerClass.clear();
    plain.remoteHost = "h\xF4te"; // written only when joining
    EXPECT_EQ(Misread(plain), "");
    plain.players = kJoiningPlayers;
    EXPECT_TRUE(Misread(plain).starts_with("The field \"Remote host\" holds a character beyond"));
    plain.players = kSinglePlayer;
    plain.parameters = "-file \"caf\xE9 \\\"1\\\".wad\" -skill 2";
    EXPECT_EQ(Misread(plain), "");
    plain.parameters = "-file caf\xE9.wad";
    EXPECT_TRUE(Misread(plain).starts_with("The field \"Parameters\" holds a character beyond "
                                           "ASCII outside double quotes, which myport.exe reads"));

    // The program's name, "-iwad", the IWAD, "-file", the files, "+exec"
    // and "qorvex.cfg".
    LaunchSettings many;
    many.sourcePort = kCustomSourcePort;
    many.customExecutable = "crispy-doom.exe";
    many.iwad = "DOOM 2: Hell on Earth";
    many.files.assign(94, "x.wad");
    EXPECT_EQ(Misread(many), "");
    many.files.push_back("y.wad");
    EXPECT_EQ(Misread(many),
              "The list \"Files\" and the other values give the response file 100 arguments; "
              "crispy-doom.exe reads at most 99 from a response file (100 with its own name) and "
              "overruns its memory beyond that. Use fewer files.\nNothing was saved.");
}

} // namespace
} // namespace tarnwick
