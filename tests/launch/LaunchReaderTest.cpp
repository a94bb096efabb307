// Reading the launch files back from real files.
#include "FullExample.h"
#include "LaunchErrors.h"
#include "LaunchReader.h"
#include "LaunchWriter.h"
#include "AnsiText.h"
#include "ScriptedReaderActions.h"
#include "SettingsDescription.h"
#include "SystemLetters.h"
#include "TempFolder.h"
#include "Win32Platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <optional>

namespace tarnwick {
namespace {

using testing::AnsiTextIn;
using testing::CurrentDirectoryScope;
using testing::LettersThatLookLikeUtf8;
using testing::ScriptedReaderActions;
using testing::SystemLetters;
using testing::TempFolder;
using Names = std::vector<std::string>;

// Read wide: Wine's GetEnvironmentVariableA counts a double-byte character's
// two bytes as one.
std::string Environment(const char* name) { return Win32Platform().GetEnvironment(name); }

// One reading in a start folder, with its inputs and everything it produced.
class Reading {
    // Declared first: the actions keep references to them.
    const TempFolder& start_;
    Win32Platform platform_;

  public:
    explicit Reading(const TempFolder& start, std::string wadDirBefore = "C:\\BEFORE")
        : start_(start), folders{std::move(wadDirBefore), start.path()},
          actions(platform_, folders) {}

    // The error's message, or "" when the reading ended normally.
    std::string Run() {
        CurrentDirectoryScope inStart(start_.path());
        try {
            ReadLaunchFiles(platform_, actions, settings, folders);
        } catch (const ConversionError& error) {
            return error.what();
        } catch (const IoError& error) {
            ioErrorCode = error.code();
            return error.what();
        }
        return "";
    }

    LaunchFolders folders;
    LaunchSettings settings;
    ScriptedReaderActions actions;
    std::optional<std::uint32_t> ioErrorCode;
};

void AddFullExample(const TempFolder& start, const std::string& wadDir) {
    const testing::ExampleFiles files = testing::FullExampleFiles(wadDir);
    start.AddFile("qorvex.bat", files.batch);
    start.AddFile("qorvex.rsp", files.response);
    start.AddFile("qorvex.cfg", files.console);
}

// Every field of the full example after the "-iwad " line, as read back.
void ExpectFullExampleAfterIwad(LaunchSettings s) {
    const LaunchSettings expected = testing::FullExampleReadBack();
    s.iwad = expected.iwad;
    s.customIwad = expected.customIwad;
    EXPECT_EQ(testing::Describe(s), testing::Describe(expected));
}

TEST(ReadLaunchFiles, FullExampleComesBack) {
    TempFolder start;
    TempFolder wads;
    AddFullExample(start, wads.path());
    wads.AddFile("doom2.wad");
    wads.AddFile("extra.pk3");
    start.AddFile("maps.wad");

    Reading reading(start);
    EXPECT_EQ(reading.Run(), "");
    EXPECT_EQ(reading.folders.WadDir, wads.path());
    EXPECT_EQ(Environment("DOOMWADDIR"), wads.path());
    EXPECT_EQ(testing::Describe(reading.settings),
              testing::Describe(testing::FullExampleReadBack()));
    EXPECT_TRUE(reading.actions.questions.empty());
    // The rescan with the saved WAD directory reached both lists.
    ASSERT_EQ(reading.actions.iwadLists.size(), 1u);
    EXPECT_EQ(reading.actions.iwadLists[0].titles, (Names{"DOOM 2: Hell on Earth", "Custom..."}));
    ASSERT_EQ(reading.actions.candidateLists.size(), 1u);
    EXPECT_EQ(reading.actions.candidateLists[0], (Names{"maps.wad", "doom2.wad", "extra.pk3"}));
}

TEST(ReadLaunchFiles, IwadInTheStartFolderOrAtAnAbsolutePathIsFound) {
    TempFolder start;
    TempFolder iwads;
    AddFullExample(start, start / "nowhere");
    start.AddFile("doom2.wad");
    Reading found(start);
    EXPECT_EQ(found.Run(), "");
    EXPECT_EQ(found.settings.iwad, "Custom...");
    EXPECT_EQ(found.settings.customIwad, "doom2.wad");
    EXPECT_TRUE(found.actions.questions.empty());

    const std::string custom = iwads.AddFile("my game.wad");
    start.AddFile("qorvex.rsp", "-iwad \"" + custom + "\"\r\n");
    Reading absolute(start);
    EXPECT_EQ(absolute.Run(), "");
    EXPECT_EQ(absolute.settings.iwad, "Custom...");
    EXPECT_EQ(absolute.settings.customIwad, custom);
    EXPECT_TRUE(absolute.actions.questions.empty());

    // A folder of that name is not the IWAD.
    start.AddFolder("folder.wad");
    start.AddFile("qorvex.rsp", "-iwad \"folder.wad\"\r\n");
    Reading folder(start);
    folder.actions.answer = WadDirAnswer::None;
    EXPECT_EQ(folder.Run(), "");
    EXPECT_EQ(folder.actions.questions.size(), 1u);
}

TEST(ReadLaunchFiles, MissingIwadAsksAndFollowsEachAnswer) {
    TempFolder start;
    TempFolder emptyWads;
    TempFolder chosen;
    AddFullExample(start, emptyWads.path());
    start.AddFile("TNT.WAD");
    chosen.AddFile("DOOM.WAD");
    const std::string question =
        "File \"doom2.wad\" not found! Do you want to enter a new WAD directory?";

    Reading no(start);
    no.actions.answer = WadDirAnswer::No;
    EXPECT_EQ(no.Run(), "");
    EXPECT_EQ(no.actions.questions, Names{question});
    EXPECT_EQ(no.settings.iwad, "Custom...");
    EXPECT_EQ(no.settings.customIwad, "doom2.wad");
    EXPECT_EQ(no.actions.dialogsShown, 0);
    ExpectFullExampleAfterIwad(no.settings);

    Reading closed(start);
    closed.actions.answer = WadDirAnswer::None;
    EXPECT_EQ(closed.Run(), "");
    EXPECT_EQ(closed.actions.questions, Names{question});
    EXPECT_EQ(closed.settings.iwad, "TNT: Evilution"); // the first entry after the rescan
    EXPECT_EQ(closed.settings.customIwad, "");
    ExpectFullExampleAfterIwad(closed.settings);

    Reading yes(start);
    yes.actions.answer = WadDirAnswer::Yes;
    yes.actions.folderChosenInDialog = chosen.path();
    EXPECT_EQ(yes.Run(), "");
    EXPECT_EQ(yes.actions.questions, Names{question});
    EXPECT_EQ(yes.actions.dialogsShown, 1);
    EXPECT_EQ(yes.folders.WadDir, chosen.path());
    EXPECT_EQ(yes.actions.iwadLists.back().titles,
              (Names{"TNT: Evilution", "The Ultimate DOOM", "Custom..."}));
    EXPECT_EQ(yes.settings.iwad, "TNT: Evilution");
    EXPECT_EQ(yes.settings.customIwad, "");
    ExpectFullExampleAfterIwad(yes.settings);

    // A custom path names itself in the question.
    start.AddFile("qorvex.rsp", "-iwad \"D:\\Iwads\\mygame.wad\"\r\n+map E1M1\r\n");
    Reading path(start);
    path.actions.answer = WadDirAnswer::None;
    EXPECT_EQ(path.Run(), "");
    EXPECT_EQ(path.actions.questions,
              Names{"File \"D:\\Iwads\\mygame.wad\" not found! Do you want to enter a new WAD "
                    "directory?"});
    EXPECT_EQ(path.settings.startMap, "E1M1");
}

TEST(ReadLaunchFiles, MissingFilesEndTheReadingQuietly) {
    TempFolder start;
    SetEnvironmentVariableA("DOOMWADDIR", "unchanged");

    Reading nothing(start);
    EXPECT_EQ(nothing.Run(), "");
    EXPECT_EQ(nothing.settings, LaunchSettings());
    EXPECT_EQ(nothing.folders.WadDir, "C:\\BEFORE");
    EXPECT_EQ(Environment("DOOMWADDIR"), "unchanged");
    EXPECT_TRUE(nothing.actions.iwadLists.empty());

    // A folder named like the batch file is no batch file.
    start.AddFolder("qorvex.bat");
    Reading folder(start);
    EXPECT_EQ(folder.Run(), "");
    EXPECT_EQ(folder.settings, LaunchSettings());
    EXPECT_TRUE(folder.actions.iwadLists.empty());

    TempFolder batchOnly;
    batchOnly.AddFile("qorvex.bat",
                      "set DOOMWADDIR=D:\\W\r\nC:\\Ports\\my port.exe @qorvex.rsp\r\n");
    Reading noResponse(batchOnly);
    EXPECT_EQ(noResponse.Run(), "");
    LaunchSettings expected;
    expected.iwad = "Custom...";
    expected.sourcePort = 3;
    expected.customExecutable = "C:\\Ports\\my port.exe";
    EXPECT_EQ(noResponse.settings, expected);
    EXPECT_EQ(noResponse.folders.WadDir, "D:\\W");
    EXPECT_EQ(Environment("DOOMWADDIR"), "D:\\W");
    EXPECT_EQ(noResponse.actions.candidateLists.size(), 1u);

    // One line: no executable, and no response file even when one exists.
    TempFolder oneLine;
    oneLine.AddFile("qorvex.bat", "set DOOMWADDIR=E:\\Games");
    oneLine.AddFile("qorvex.rsp", "+map MAP01\r\n");
    Reading single(oneLine);
    EXPECT_EQ(single.Run(), "");
    EXPECT_EQ(single.folders.WadDir, "E:\\Games");
    EXPECT_EQ(single.settings.sourcePort, 3);
    EXPECT_EQ(single.settings.customExecutable, "");
    EXPECT_EQ(single.settings.startMap, "");

    // Case counts in the executable's name.
    oneLine.AddFile("qorvex.bat", "set DOOMWADDIR=\r\nGZDoom.exe @qorvex.rsp\r\n");
    Reading upper(oneLine);
    EXPECT_EQ(upper.Run(), "");
    EXPECT_EQ(upper.folders.WadDir, "");
    EXPECT_EQ(upper.settings.sourcePort, 3);
    EXPECT_EQ(upper.settings.customExecutable, "GZDoom.exe");
    EXPECT_EQ(upper.settings.startMap, "MAP01");

    // No "+exec " line: the console script is not read.
    oneLine.AddFile("qorvex.bat", "set DOOMWADDIR=\r\nzdoom.exe @qorvex.rsp\r\n");
    oneLine.AddFile("qorvex.rsp", "-file qorvex.cfg\r\n");
    oneLine.AddFile("qorvex.cfg", "skill 0\r\n");
    Reading noExec(oneLine);
    EXPECT_EQ(noExec.Run(), "");
    EXPECT_EQ(noExec.settings.sourcePort, 1);
    EXPECT_EQ(noExec.settings.files, Names{"qorvex.cfg"});
    EXPECT_EQ(noExec.settings.skill, 3);
    SetEnvironmentVariableA("DOOMWADDIR", nullptr);
}

TEST(ReadLaunchFiles, ConversionErrorKeepsWhatWasReadAndStops) {
    TempFolder start;
    start.AddFile("qorvex.bat", "set DOOMWADDIR=\r\nskulltag.exe @qorvex.rsp\r\n");
    start.AddFile("qorvex.rsp", "+exec qorvex.cfg\r\n");
    start.AddFile("qorvex.cfg", "skill 1\r\nsv_aircontrol 0.1\r\nteamdamage 0.5\r\n");
    Reading air(start);
    air.settings.airControl = 17;
    EXPECT_EQ(air.Run(), "'25.6' is not a valid integer value");
    EXPECT_EQ(air.settings.sourcePort, 2);
    EXPECT_EQ(air.settings.skill, 1);
    EXPECT_EQ(air.settings.airControl, 17);
    EXPECT_EQ(air.settings.friendlyFire, 0);

    start.AddFile("qorvex.rsp", "-file a.wad\r\n+team red\r\n+exec qorvex.cfg\r\n+map X\r\n");
    Reading team(start);
    EXPECT_EQ(team.Run(), "'red' is not a valid integer value");
    EXPECT_EQ(team.settings.files, Names{"a.wad"});
    EXPECT_EQ(team.settings.startMap, "");
    EXPECT_EQ(team.settings.skill, 3);

    start.AddFile("qorvex.rsp", "+exec qorvex.cfg\r\n");
    start.AddFile("qorvex.cfg", "teamdamage half\r\n");
    Reading damage(start);
    EXPECT_EQ(damage.Run(), "'half' is not a valid floating point value");

    start.AddFile("qorvex.cfg", "fraglimit 4294967296\r\n");
    Reading range(start);
    EXPECT_EQ(range.Run(), "'4294967296' is not a valid integer value");

    start.AddFile("qorvex.cfg", "timelimit 10 \r\n");
    Reading trailing(start);
    EXPECT_EQ(trailing.Run(), "'10 ' is not a valid integer value");
}

TEST(ReadLaunchFiles, ValuesOutsideTheirRangeAreClampedOrSelectNothing) {
    TempFolder start;
    start.AddFile("qorvex.bat", "set DOOMWADDIR=\r\ngzdoom.exe @qorvex.rsp\r\n");
    start.AddFile("qorvex.rsp", "-host 9\r\n-dup 0\r\n+team -1\r\n+exec qorvex.cfg\r\n");
    start.AddFile("qorvex.cfg", "skill 7\r\nfraglimit -5\r\ntimelimit 2000000000\r\n"
                                "sv_aircontrol 2\r\nteamdamage -1\r\n");
    Reading low(start);
    low.settings.team = 2;
    EXPECT_EQ(low.Run(), "");
    EXPECT_EQ(low.settings.players, -1);
    EXPECT_EQ(low.settings.networkDup, 1);
    EXPECT_EQ(low.settings.team, -1);
    EXPECT_EQ(low.settings.skill, -1);
    EXPECT_EQ(low.settings.fragLimit, 0);
    EXPECT_EQ(low.settings.timeLimit, 999999999);
    EXPECT_EQ(low.settings.airControl, 256);
    EXPECT_EQ(low.settings.friendlyFire, 0);

    start.AddFile("qorvex.rsp", "-host 8\r\n-dup 9\r\n+team 8\r\n+exec qorvex.cfg\r\n");
    start.AddFile("qorvex.cfg", "fraglimit $1F\r\ntimelimit  0x10\r\nteamdamage 0.5000000000\r\n"
                                "sv_aircontrol -0.5\r\n");
    Reading hex(start);
    EXPECT_EQ(hex.Run(), "");
    EXPECT_EQ(hex.settings.players, 8);
    EXPECT_EQ(hex.settings.networkDup, 9);
    EXPECT_EQ(hex.settings.team, 8);
    EXPECT_EQ(hex.settings.fragLimit, 31);
    EXPECT_EQ(hex.settings.timeLimit, 16);
    EXPECT_EQ(hex.settings.friendlyFire, 50);
    EXPECT_EQ(hex.settings.airControl, 0);

    start.AddFile("qorvex.rsp", "+team X7\r\n+exec qorvex.cfg\r\n");
    start.AddFile("qorvex.cfg", "teamdamage 2e0\r\n");
    Reading more(start);
    EXPECT_EQ(more.Run(), "");
    EXPECT_EQ(more.settings.team, 7); // "X7" is hexadecimal
    EXPECT_EQ(more.settings.friendlyFire, 100);
}

TEST(ReadLaunchFiles, LineRulesKeywordsAndFreeParameters) {
    TempFolder start;
    start.AddFile("qorvex.bat", "set DOOMWADDIR=C:\\W\x1A"
                                "junk\r\nzdoom.ex\re @qorvex.rsp\r\n");
    start.AddFile("qorvex.rsp", "-extratic \r\n"
                                "-netmode 1\r\n"
                                "  +map E1M1\r\n"
                                "+map E2M2\r\n"
                                "-iwa\rd \"mine.wad\"\r\n"
                                "\r\n"
                                "+exec qorvex.cfg\r\n"
                                "-deh a.deh\r\n"
                                "-file b.wad\r\n"
                                "-bex C:\\My Wads\\c.bex\r\n"
                                "-file  x  y \r\n"
                                "-file \r\n"
                                "+playerclass Cleric\x1A"
                                "ignored\r\n"
                                "-FILE upper.wad\r\n"
                                "\x1A-host 2\r\n"
                                "-extratic\r\n");
    start.AddFile("mine.wad");
    start.AddFile("qorvex.cfg", "deathmatch 0\r\n"
                                "teamplay 1\r\n"
                                "deathmatch  1\r\n"
                                "Skill 1\r\n"
                                "sv_gravity  low  \r\n"
                                "\x1A\r\n"
                                "skill 0\r\n");
    Reading reading(start);
    reading.settings.peerToPeer = true;
    EXPECT_EQ(reading.Run(), "");
    // Ctrl-Z ends the batch line's text; the lone carriage return is dropped.
    EXPECT_EQ(reading.folders.WadDir, "C:\\W");
    EXPECT_EQ(reading.settings.sourcePort, 1);
    EXPECT_FALSE(reading.settings.backupPackets);
    EXPECT_FALSE(reading.settings.peerToPeer);
    EXPECT_EQ(reading.settings.startMap, "E2M2");
    EXPECT_EQ(reading.settings.iwad, "Custom...");
    EXPECT_EQ(reading.settings.customIwad, "mine.wad");
    EXPECT_EQ(reading.settings.files,
              (Names{"a.deh", "b.wad", "C:\\My", "Wads\\c.bex", "", "x", " y"}));
    EXPECT_EQ(reading.settings.playerClass, "Cleric");
    EXPECT_EQ(reading.settings.players, 1);
    // The last line no keyword recognises; an empty line is none.
    EXPECT_EQ(reading.settings.parameters, "-FILE upper.wad");
    EXPECT_TRUE(reading.settings.deathmatch);
    EXPECT_TRUE(reading.settings.teamplay);
    EXPECT_EQ(reading.settings.skill, 3);
    EXPECT_EQ(reading.settings.gravity, " low  ");
}

TEST(ReadLaunchFiles, QuotedValuesAndBatchEscapesComeBackWhole) {
    TempFolder start;
    start.AddFile("qorvex.bat", "set \"DOOMWADDIR=C:\\R&D\\100%%\"\r\n"
                                "\"C:\\my port@home (x86).exe\" @qorvex.rsp\r\n");
    start.AddFile("qorvex.rsp", "-iwad \"\"\r\n"
                                "-file \"C:\\My Wads\\x.wad\" plain.wad \"b c.pk3\"\r\n"
                                "-deh \"fix it.deh\"\r\n"
                                "-record \"my demo\"\r\n"
                                "-timedemo \"old demo.lmp\"\r\n"
                                "-loadgame \"save 1.zds\"\r\n"
                                "-join 10.0.0.1 \r\n"
                                "+exec qorvex.cfg\r\n"
                                "-nomonsters +set x \"a b\"\r\n");
    Reading reading(start);
    EXPECT_EQ(reading.Run(), "");
    EXPECT_EQ(reading.folders.WadDir, "C:\\R&D\\100%");
    EXPECT_EQ(Environment("DOOMWADDIR"), "C:\\R&D\\100%");
    EXPECT_EQ(reading.settings.sourcePort, 3);
    EXPECT_EQ(reading.settings.customExecutable, "C:\\my port@home (x86).exe");
    EXPECT_EQ(reading.settings.customIwad, "");
    EXPECT_EQ(reading.settings.files,
              (Names{"C:\\My Wads\\x.wad", "plain.wad", "b c.pk3", "fix it.deh"}));
    EXPECT_EQ(reading.settings.recordDemo, "my demo");
    EXPECT_EQ(reading.settings.playDemo, "old demo.lmp");
    EXPECT_TRUE(reading.settings.fastDemo);
    EXPECT_EQ(reading.settings.loadGame, "save 1.zds");
    EXPECT_EQ(reading.settings.players, 0);
    EXPECT_EQ(reading.settings.remoteHost, "10.0.0.1 ");
    EXPECT_EQ(reading.settings.parameters, "-nomonsters +set x \"a b\"");
    SetEnvironmentVariableA("DOOMWADDIR", nullptr);
}

TEST(ReadLaunchFiles, FileThatCannotBeOpenedRaisesIoErrorAfterWhatWasRead) {
    TempFolder start;
    start.AddFile("qorvex.bat", "set DOOMWADDIR=C:\\W\r\nzdoom.exe @qorvex.rsp\r\n");
    start.AddFile("qorvex.rsp", "+map MAP02\r\n+exec qorvex.cfg\r\n");
    start.AddFile("qorvex.cfg", "skill 0\r\n");
    const HANDLE locked = CreateFileA((start / "qorvex.rsp").c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    Reading reading(start);
    EXPECT_NE(reading.Run(), "");
    CloseHandle(locked);
    EXPECT_EQ(reading.ioErrorCode, std::optional<std::uint32_t>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(reading.folders.WadDir, "C:\\W");
    EXPECT_EQ(reading.settings.sourcePort, 1);
    EXPECT_EQ(reading.settings.startMap, "");
    EXPECT_EQ(reading.settings.skill, 3);
    SetEnvironmentVariableA("DOOMWADDIR", nullptr);
}

// Names with letters beyond ASCII, under every system code page: the batch
// file is written in the OEM code page that cmd reads it in, the response
// file in the encoding of the chosen port, and each comes back whole, also
// where the earlier format's reading of its bytes names files and folders that
// exist as well.
TEST(ReadLaunchFiles, EachEncodingComesBackWhole) {
    const std::string letters = SystemLetters();
    TempFolder place;
    const std::string wadDir = place.AddFolder(letters);
    const std::string port = place.AddFile(letters + "\\port.exe");
    const std::string oemWadDir = AnsiTextIn(wadDir, CP_OEMCP);
    if (oemWadDir != wadDir) CreateDirectoryA(oemWadDir.c_str(), nullptr);
    LaunchSettings s;
    s.files = {"carte " + letters + ".wad", "x" + letters + ".deh"};
    for (const std::string& name : s.files) {
        place.AddFile(letters + "\\" + name);
        // Where the bytes make a name at all.
        CloseHandle(CreateFileA((wadDir + "\\" + AnsiTextIn(name, CP_UTF8)).c_str(), GENERIC_WRITE,
                                0, nullptr, CREATE_NEW, 0, nullptr));
    }
    struct Port {
        int sourcePort;
        std::string customExecutable;
        unsigned responseFileCodePage;
        std::string runLine; // the batch file's second line
    };
    const Port ports[] = {
        {0, "", CP_UTF8, "gzdoom.exe @qorvex.rsp"},
        {1, "", CP_ACP, "zdoom.exe @qorvex.rsp"},
        {3, port, CP_UTF8, AnsiTextIn(port, CP_OEMCP) + " @qorvex.rsp"},
    };
    for (const Port& p : ports) {
        SCOPED_TRACE(p.sourcePort);
        TempFolder start;
        s.sourcePort = p.sourcePort;
        s.customExecutable = p.customExecutable;
        Win32Platform platform;
        WriteLaunchFiles(platform, s, wadDir, start.path());
        EXPECT_EQ(testing::FileText(start / "qorvex.bat"),
                  "set DOOMWADDIR=" + oemWadDir + "\r\n" + p.runLine + "\r\n");
        const auto written = [&p](const std::string& name) {
            return "\"" + AnsiTextIn(name, p.responseFileCodePage) + "\"";
        };
        EXPECT_EQ(testing::FileText(start / "qorvex.rsp"),
                  "-iwad \"\"\r\n-file " + written(s.files[0]) + "\r\n-deh " + written(s.files[1]) +
                      "\r\n+exec qorvex.cfg\r\n");

        Reading reading(start);
        EXPECT_EQ(reading.Run(), "");
        EXPECT_EQ(reading.folders.WadDir, wadDir);
        EXPECT_EQ(Environment("DOOMWADDIR"), wadDir);
        EXPECT_EQ(reading.settings.sourcePort, p.sourcePort);
        EXPECT_EQ(reading.settings.customExecutable, p.customExecutable);
        EXPECT_EQ(reading.settings.files, s.files);
    }

    // A folder or a program that cmd's code page lacks is refused, and the
    // earlier files stay (where the two code pages differ).
    bool lost = false;
    const std::string euro = NarrowTo(L"\u20AC", CP_ACP, lost);
    NarrowTo(L"\u20AC", CP_OEMCP, lost);
    if (euro != "?" && lost) {
        TempFolder start;
        start.AddFile("qorvex.bat", "earlier");
        LaunchSettings unwritable;
        unwritable.sourcePort = 3;
        unwritable.customExecutable = "C:\\" + euro + "\\port.exe";
        try {
            Win32Platform platform;
            WriteLaunchFiles(platform, unwritable, "C:\\WADS", start.path());
            ADD_FAILURE() << "a character outside the OEM code page was saved";
        } catch (const UnsavableValueError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "The custom source port holds a character that the batch file cannot "
                      "carry: cmd reads it in the system's console code page (OEM), which lacks "
                      "that character:\n" +
                          unwritable.customExecutable +
                          "\nChoose a folder or a file whose name has no such character.\nNothing "
                          "was saved.");
        }
        EXPECT_EQ(testing::FileText(start / "qorvex.bat"), "earlier");
    }

    // Nor can the files be written in a start folder whose name lost letters.
    try {
        Win32Platform platform;
        WriteLaunchFiles(platform, LaunchSettings{}, "C:\\WADS", "C:\\?????");
        ADD_FAILURE() << "a start folder with lost letters was taken";
    } catch (const UnsavableValueError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("The folder the launcher was started in", 0), 0u);
    }
}

// Files that an earlier version wrote, every one in ANSI, come back as they
// were written.
TEST(ReadLaunchFiles, EarlierFormatFilesComeBackAsWritten) {
    Win32Platform platform;
    // Batch files naming a WAD folder and a port with each letter of a
    // single-byte ANSI code page, or with the system's double-byte letters.
    // Where the OEM reading of the bytes is another text of ANSI letters, the
    // reading that names the existing folder wins.
    std::vector<std::string> names;
    for (int byte = 0x80; byte <= 0xFF && !platform.CodePage().IsDoubleByte(); ++byte)
        if (IsCharAlphaA(static_cast<char>(byte)))
            names.push_back("Espa" + std::string(1, static_cast<char>(byte)) + "a");
    if (names.empty()) names.push_back(SystemLetters());
    int readOtherwise = 0;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        TempFolder start;
        const std::string folder = start.AddFolder(name);
        const std::string port = start.AddFile(name + "\\port.exe");
        const std::string bytes = "set DOOMWADDIR=" + folder + "\r\n" + port + " @qorvex.rsp\r\n";
        start.AddFile("qorvex.bat", bytes);
        bool lost = false;
        if (const std::string oem = platform.ToAnsi(bytes, TextEncoding::Oem, lost);
            !lost && oem != bytes)
            ++readOtherwise;
        Reading reading(start);
        EXPECT_EQ(reading.Run(), "");
        // Where the other reading is the same name in another case (Ð and
        // ð with OEM 850), both name the folder: the current one is taken.
        const auto same = [](const std::string& a, const std::string& b) {
            return lstrcmpiA(a.c_str(), b.c_str()) == 0;
        };
        EXPECT_PRED2(same, reading.folders.WadDir, folder);
        EXPECT_PRED2(same, reading.settings.customExecutable, port);
    }
    std::printf("%d of %zu names of the ANSI code page %u read otherwise in the OEM code page %u\n",
                readOtherwise, names.size(), GetACP(), GetOEMCP());

    // Where the OEM code page is the ANSI one, the batch file is taken as it
    // stands, even a lead byte that no second byte follows.
    if (GetOEMCP() == GetACP() && platform.CodePage().IsDoubleByte()) {
        TempFolder start;
        start.AddFile("qorvex.bat", "set DOOMWADDIR=C:\\W\x81\r\nzdoom.exe @qorvex.rsp\r\n");
        Reading reading(start);
        EXPECT_EQ(reading.Run(), "");
        EXPECT_EQ(reading.folders.WadDir, "C:\\W\x81");
    }

    // ZDoom and SkullTag read ANSI, in both formats: a name whose bytes
    // happen to be valid UTF-8 is not read as such. For GZDoom they read as
    // UTF-8 of a character that the ANSI code page lacks: the earlier format's
    // reading wins where its file exists; elsewhere the UTF-8 one, with "?"
    // for that character, and the person is told. (Where the ANSI code page
    // is UTF-8 there are no such letters, and the name is plain ASCII.)
    const std::string name = LettersThatLookLikeUtf8() + ".wad";
    const std::string asUtf8 = AnsiFromWide(WideFrom(name, CP_UTF8));
    for (const std::string executable : {"zdoom.exe", "skulltag.exe", "gzdoom.exe"})
        for (const bool exists : {true, false}) {
            SCOPED_TRACE(executable + (exists ? ", the file exists" : ""));
            TempFolder start;
            start.AddFile("qorvex.bat", "set DOOMWADDIR=\r\n" + executable + " @qorvex.rsp\r\n");
            start.AddFile("qorvex.rsp",
                          "-iwad \"" + name + "\"\r\n-file " + name + " \"" + name + "\"\r\n");
            if (exists) start.AddFile(name);
            Reading reading(start);
            EXPECT_EQ(reading.Run(), "");
            const bool utf8 = executable == "gzdoom.exe" && !exists;
            const std::string read = utf8 ? asUtf8 : name;
            EXPECT_EQ(reading.settings.customIwad, read);
            EXPECT_EQ(reading.settings.files, (Names{read, read}));
            EXPECT_EQ(reading.actions.lostCharacterMessages.size(), utf8 && name != asUtf8);
        }

    // A GZDoom response file whose bytes read as UTF-8 of letters that ANSI
    // has: the earlier format's reading wins when only its file exists.
    const std::string letters = testing::LettersWhoseUtf8IsAnsiToo() + ".wad";
    const std::string earlierName = AnsiTextIn(letters, CP_UTF8);
    TempFolder start;
    start.AddFile("qorvex.bat", "set DOOMWADDIR=\r\ngzdoom.exe @qorvex.rsp\r\n");
    start.AddFile("qorvex.rsp", "-file \"" + earlierName + "\"\r\n");
    start.AddFile(earlierName);
    Reading earlier(start);
    EXPECT_EQ(earlier.Run(), "");
    EXPECT_EQ(earlier.settings.files, Names{earlierName});
    DeleteFileA((start / earlierName).c_str());
    Reading current(start);
    EXPECT_EQ(current.Run(), "");
    EXPECT_EQ(current.settings.files, Names{letters});
}

} // namespace
} // namespace tarnwick
