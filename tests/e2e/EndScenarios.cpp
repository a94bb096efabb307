// The ways the launcher ends: Run (which starts the port), Reset, Exit and
// the close box.
#include "CodePageNames.h"
#include "Examples.h"
#include "LaunchCommandControlIds.h"
#include "LayoutProbe.h"
#include "PortLines.h"
#include "RealInput.h"
#include "RunningLauncher.h"
#include "ScenarioFolders.h"
#include "TempFolder.h"
#include "UnixCommand.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

namespace tarnwick::e2e {
namespace {

constexpr char kNotReady[] = "the start-up sequence never gave the focus to cbSource";

// The recording stand-in port, from RECORDING_PORT.
std::string RecordingPortPath() { return ProgramPath("RECORDING_PORT"); }

// The user's regional settings give numbers a decimal comma, for as long as
// the object lives.
class DecimalComma {
  public:
    DecimalComma() {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\International", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr);
        DWORD size = sizeof earlier_;
        had_ = RegQueryValueExA(key_, "sDecimal", nullptr, nullptr,
                                reinterpret_cast<BYTE*>(earlier_), &size) == ERROR_SUCCESS;
        RegSetValueExA(key_, "sDecimal", 0, REG_SZ, reinterpret_cast<const BYTE*>(","), 2);
    }
    DecimalComma(const DecimalComma&) = delete;
    DecimalComma& operator=(const DecimalComma&) = delete;
    ~DecimalComma() {
        if (had_)
            RegSetValueExA(key_, "sDecimal", 0, REG_SZ, reinterpret_cast<const BYTE*>(earlier_),
                           static_cast<DWORD>(std::strlen(earlier_) + 1));
        else
            RegDeleteValueA(key_, "sDecimal");
        RegCloseKey(key_);
    }

  private:
    HKEY key_ = nullptr;
    char earlier_[16] = "";
    bool had_ = false;
};

// Text from one code page in another.
std::string Recoded(const std::string& text, UINT from, UINT to) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(
        from, 0, text.data(), static_cast<int>(text.size()), wide.data(), int(wide.size()))));
    std::string recoded(wide.size() * 4, '\0');
    recoded.resize(static_cast<std::size_t>(
        WideCharToMultiByte(to, 0, wide.data(), int(wide.size()), recoded.data(),
                            int(recoded.size()), nullptr, nullptr)));
    return recoded;
}

// The port and the WAD folder have names in the system's letters; cmd reads
// the batch file in the OEM code page, and the port gets both names exactly.
TEST(End, RunSavesStartsThePortThroughTheBatchFileAndEnds) {
    ScenarioFolders folders;
    folders.AddToStart("DOOM2.WAD");
    // The port lies in a folder of its own, named in full by the saved set.
    const testing::CodePageNames& names = testing::NamesOfThisCodePage();
    const std::string port = folders.root.AddFolder(names.name) + "\\recording_port.exe";
    ASSERT_TRUE(CopyFileA(RecordingPortPath().c_str(), port.c_str(), FALSE))
        << "cannot copy the recording port from RECORDING_PORT";
    const std::string wads = folders.root.AddFolder(names.word);
    // Saved in ANSI, as earlier versions did: read back all the same.
    LaunchFileSet saved = DefaultExample(wads);
    saved.bat = CrLfLines({"set DOOMWADDIR=" + wads, port + " @qorvex.rsp"});
    WriteLaunchFileSet(folders.start, saved);

    // Regional settings whose decimal separator is a comma, as the port sees
    // them: the fractions in the files keep their point.
    const DecimalComma regionalSettings;
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    EXPECT_EQ(launcher[MainId::cbSource].Text(), "Custom...");
    launcher[MainId::edtMap].Type("MAP03");
    launcher[MainId::sbTeamDamage].Scroll(50);
    launcher[MainId::btnRun].Click();

    ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end after Run";
    EXPECT_EQ(launcher.process().ExitCode(), 0u);
    LaunchFileSet written = saved;
    written.bat = Recoded(saved.bat, CP_ACP, CP_OEMCP);
    written.rsp = CrLfLines({"-iwad \"doom2.wad\"", "+exec qorvex.cfg", "+map MAP03"});
    written.cfg = CrLfLines({"skill 3", "fraglimit 0", "timelimit 0", "sv_gravity 800.00",
                             "sv_aircontrol 0.00390625", "teamdamage 0.5"});
    ExpectLaunchFiles(folders.start, written);

    const std::string record = folders.start + "\\port-record.txt";
    ASSERT_TRUE(WaitUntil([&] {
        return testing::FileText(record).find("console=") != std::string::npos;
    })) << "the port was not started";
    EXPECT_EQ(testing::FileText(record),
              CrLfLines({"program=" + Recoded(port, CP_ACP, CP_UTF8), "folder=" + folders.start,
                         "DOOMWADDIR=" + Recoded(wads, CP_ACP, CP_UTF8), "console=not visible",
                         "decimal=,", "argument=@qorvex.rsp"}));
    // What a port of the ZDoom line reads from the response file it is handed.
    EXPECT_EQ(
        ResponseFileArguments(written.rsp, PortLine::Other),
        (std::vector<std::string>{"-iwad", "doom2.wad", "+exec", "qorvex.cfg", "+map", "MAP03"}));
}

// Runs the text in a Command Prompt in the folder as a person's paste does:
// cmd reads it line by line from its input, as typed, not as a batch file.
void PasteIntoCommandPrompt(const std::string& folder, const std::string& text) {
    std::string typed;
    for (const char c : text + "\nexit\n")
        (c == '\n' ? typed += "\r\n" : typed += c);
    WriteBytes(folder + "\\pasted.txt", typed);
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE input = CreateFileA((folder + "\\pasted.txt").c_str(), GENERIC_READ,
                                     FILE_SHARE_READ, &inherited, OPEN_EXISTING, 0, nullptr);
    const HANDLE output =
        CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = startup.hStdError = output;
    PROCESS_INFORMATION prompt{};
    char commandLine[] = "cmd.exe";
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine, nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                               nullptr, folder.c_str(), &startup, &prompt));
    EXPECT_EQ(WaitForSingleObject(prompt.hProcess, 30000), WAIT_OBJECT_0) << "cmd did not end";
    for (const HANDLE handle : {prompt.hThread, prompt.hProcess, input, output})
        CloseHandle(handle);
}

std::string RecordOfThePort(const std::string& folder) {
    const std::string record = folder + "\\port-record.txt";
    if (!WaitUntil([&] { return testing::FileText(record).find("console=") != std::string::npos; }))
        return "<the port was not started>";
    Sleep(100); // the record's last lines
    const std::string text = testing::FileText(record);
    DeleteFileA(record.c_str());
    return text;
}

// A port of the Boom line misreads the response file: Run starts it itself,
// in the start folder with DOOMWADDIR set, with its arguments in its own
// spelling, as the Launch Command dialog shows it with what it cannot take;
// the dialog's Copy, pasted into a Command Prompt, starts it the same way.
TEST(End, RunStartsAPortOfTheBoomLineItselfAsTheLaunchCommandShowsIt) {
    SKIP_WITHOUT_REAL_INPUT();
    ScenarioFolders folders;
    folders.AddToStart("DOOM2.WAD");
    const std::string port = folders.root.AddFolder("dsda port") + "\\dsda-doom.exe";
    ASSERT_TRUE(CopyFileA(RecordingPortPath().c_str(), port.c_str(), FALSE))
        << "cannot copy the recording port from RECORDING_PORT";
    const std::string wads = folders.root.AddFolder("100%TARNWICK_NOT_SET%");
    LaunchFileSet saved;
    saved.bat = CrLfLines({"set DOOMWADDIR=" + folders.root.path() + "\\100%%TARNWICK_NOT_SET%%",
                           "\"" + port + "\" @qorvex.rsp"});
    saved.rsp = CrLfLines({"-iwad \"doom2.wad\"", "-file maps.wad", "-deh monsters.deh",
                           "+exec qorvex.cfg", "+map MAP07", "-x \"a b%OS%\" 100%OS%x"});
    saved.cfg = CrLfLines({"skill 3", "fraglimit 0", "timelimit 0", "sv_gravity 400.00",
                           "sv_aircontrol 0.00390625", "teamdamage 0"});
    WriteLaunchFileSet(folders.start, saved);
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;

    const std::string command =
        "\"" + port +
        "\" -iwad doom2.wad -file maps.wad -deh monsters.deh -warp 07 -skill 4 -x \"a b%\"OS% "
        "100%\"\"OS%\"\"x";
    HWND dialog = launcher.OpenLaunchCommand();
    ASSERT_NE(dialog, nullptr) << "Alt+Space, L opened nothing";
    const auto textOf = [](HWND of) {
        return RemoteControl(of, LaunchCommandId::memCommand).Text();
    };
    const std::string text = textOf(dialog);
    EXPECT_EQ(text.rfind("Command line:\r\n" + command +
                             "\r\nNot passed to dsda-doom.exe: gravity 400.00 (it has no such "
                             "option)\r\nRun starts dsda-doom.exe itself, with these arguments, "
                             "since it misreads qorvex.rsp; Save writes the three files all the "
                             "same.\r\n\r\nWorking folder: " +
                             folders.start + "\r\nDOOMWADDIR: " + wads + "\r\n",
                         0),
              0u)
        << text;
    // Tab from the text to Copy, Close and round; a screen reader's name.
    const HWND textView = GetDlgItem(dialog, LaunchCommandId::memCommand);
    EXPECT_EQ(FocusOf(dialog), textView);
    for (const int id : {int(LaunchCommandId::btnCopy), int(LaunchCommandId::btnClose),
                         int(LaunchCommandId::memCommand)}) {
        PressKeys("Tab");
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(dialog) == GetDlgItem(dialog, id); }))
            << "Tab did not reach control " << id;
    }
    PressKeys("shift+Tab");
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(dialog) == GetDlgItem(dialog, IDCANCEL); }));
    CoInitialize(nullptr);
    EXPECT_EQ(forms::AccessibleNameOf(textView), "What Run will start");
    CoUninitialize();

    // Copy, pasted into a Command Prompt in the start folder.
    ClickOn(GetDlgItem(dialog, LaunchCommandId::btnCopy));
    const std::string copied =
        "set DOOMWADDIR=" + wads.substr(0, wads.find('%')) + "%^TARNWICK_NOT_SET%\n" + command;
    ASSERT_TRUE(WaitUntil([&] { return ClipboardText() == copied; })) << ClipboardText();
    PasteIntoCommandPrompt(folders.start, copied);
    const std::string pasted = RecordOfThePort(folders.start);
    PressKeys("Escape");
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Launch Command") == 0; }));

    // Longer than a Command Prompt takes: said, and nothing copied.
    const std::string parameters = "-x \"a b%OS%\" 100%OS%x";
    launcher[MainId::edtParams].Type(parameters + " -y" + std::string(8200, 'y'));
    dialog = launcher.OpenLaunchCommand();
    ASSERT_NE(dialog, nullptr);
    const std::string tooLong = "The command line has " + std::to_string(command.size() + 8203) +
                                " characters, more than the 8191 that a Command Prompt takes: "
                                "Copy gives none.";
    EXPECT_NE(textOf(dialog).find("\r\n" + tooLong + "\r\n"), std::string::npos);
    PressDialogButton(dialog, LaunchCommandId::btnCopy);
    HWND box = nullptr; // a message box of the same caption
    ASSERT_TRUE(WaitUntil([&] {
        for (const auto& [window, caption] : VisibleWindows(launcher.id()))
            if (caption == "Launch Command" && window != dialog) box = window;
        return box != nullptr;
    })) << "Copy said nothing";
    EXPECT_EQ(MessageBoxText(box), tooLong);
    PressDialogButton(box, IDOK);
    EXPECT_EQ(ClipboardText(), copied) << "a command cut short was copied";
    PressDialogButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Launch Command") == 0; }));
    launcher[MainId::edtParams].Type(parameters);

    launcher[MainId::btnRun].Click();
    ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end after Run";
    const std::string record = RecordOfThePort(folders.start);
    EXPECT_EQ(record, CrLfLines({"program=" + port, "folder=" + folders.start, "DOOMWADDIR=" + wads,
                                 "console=not visible", "decimal=.", "argument=-iwad",
                                 "argument=doom2.wad", "argument=-file", "argument=maps.wad",
                                 "argument=-deh", "argument=monsters.deh", "argument=-warp",
                                 "argument=07", "argument=-skill", "argument=4", "argument=-x",
                                 "argument=a b%OS%", "argument=100%OS%x"}));
    EXPECT_EQ(pasted, record);
    ExpectLaunchFiles(folders.start, saved); // saved as Save always saves
}

// Run keeps the window open and says why, before it saves or starts
// anything, where it would start no game: a port that cmd cannot find, a
// "Custom..." port without a program, a "Custom..." IWAD without a file.
TEST(End, RunRefusesALaunchThatWouldStartNoGame) {
    struct Case {
        const char* message;
        bool saved;  // a saved set in the start folder
        bool gzdoom; // the recording port as gzdoom.exe there
        bool iwad;   // DOOM2.WAD there
        std::string bat;
    };
    const Case cases[] = {
        {"cmd finds no file \"gzdoom.exe\" in the working folder or along PATH: Run would start "
         "no game.",
         false, false, true, ""},
        {"No program is chosen for the source port \"Custom...\": Run would start no game.", true,
         true, true, ""},
        {"No file is chosen for the IWAD \"Custom...\": Run would start no game.", false, true,
         false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ScenarioFolders folders;
        if (c.iwad) folders.AddToStart("DOOM2.WAD");
        if (c.gzdoom) {
            ASSERT_TRUE(CopyFileA(RecordingPortPath().c_str(),
                                  (folders.start + "\\gzdoom.exe").c_str(), FALSE));
        }
        // A batch file of one line names no port: "Custom..." without one.
        const LaunchFileSet before =
            c.saved ? LaunchFileSet{"<missing>", "<missing>",
                                    CrLfLines({"set DOOMWADDIR=" + folders.wads})}
                    : ReadLaunchFileSet(folders.start);
        if (c.saved) WriteBytes(folders.start + "\\qorvex.bat", before.bat);
        RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
        ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
        launcher[MainId::btnRun].Click();
        const HWND box = launcher.WaitForOwnWindow("Tarnwick");
        ASSERT_NE(box, nullptr) << "Run said nothing";
        std::string text = MessageBoxText(box);
        std::erase(text, '\r');
        EXPECT_EQ(text, std::string(c.message) + "\nNothing was saved or started.");
        PressDialogButton(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Tarnwick") == 0; }));
        ASSERT_TRUE(launcher.Settle()) << "the window did not stay open";
        ExpectLaunchFiles(folders.start, before);
        EXPECT_EQ(testing::FileText(folders.start + "\\port-record.txt"), "<missing>");
        launcher[MainId::btnExit].Click();
        ASSERT_TRUE(launcher.process().WaitForExit());
    }
}

// Debian's real ports, each standing where a player's port stands: a script
// named like its .exe runs it natively (WINE-NOTES), without video or sound,
// for a few seconds, and keeps its arguments, its output and how it ended.
class RealPort : public ::testing::TestWithParam<const char*> {
  protected:
    // Puts the script, Freedoom's second IWAD, a WAD and a DeHackEd patch
    // into the folder; the reason where the machine lacks one. A copy: Wine
    // deletes the file that a symbolic link points to with the link.
    static std::optional<std::string> Prepare(const std::string& folder, const std::string& port) {
        const std::string program = "/usr/games/" + port;
        const std::string iwad = "/usr/share/games/doom/freedoom2.wad";
        for (const std::string& needed : {program, iwad})
            if (testing::RunUnixCommand("test -r " + testing::ShellWord(needed)) != 0)
                return needed + " is not installed; scripts/install-deps.sh installs it";
        const std::string unix = testing::UnixPath(folder);
        WriteBytes(folder + "\\" + port + ".exe",
                   "#!/bin/sh\nprintf '%s\\n' \"$@\" > " + port +
                       "-arguments.txt\n"
                       "HOME=\"$PWD/" +
                       port +
                       "-home\" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "
                       "timeout 8 stdbuf -oL -eL " +
                       program + " \"$@\" -nosound -nomusic > " + port +
                       "-output.txt 2>&1\necho $? > " + port + "-status.txt\n");
        // A WAD of one lump, which Woof needs to take it as one.
        WriteBytes(folder + "\\maps.wad", std::string("PWAD\1\0\0\0\x10\0\0\0none\x0C\0\0\0\4\0\0\0"
                                                      "NOTHING\0",
                                                      32));
        WriteBytes(folder + "\\monsters.deh", "Patch File for DeHackEd v3.0\nDoom version = 19\n"
                                              "Patch format = 6\n\n[STRINGS]\nGOTARMOR = Armor!\n");
        if (testing::RunUnixCommand("chmod +x " + testing::ShellWord(unix + "/" + port + ".exe") +
                                    " && cp " + iwad + " " +
                                    testing::ShellWord(unix + "/freedoom2.wad")) != 0)
            return "cannot prepare " + unix;
        return std::nullopt;
    }

    // What the port was given and printed, once it has ended.
    static void ExpectStarted(const std::string& folder, const std::string& port,
                              const std::string& skill, const std::string& map) {
        const std::string base = folder + "\\" + port;
        ASSERT_TRUE(
            WaitUntil([&] { return testing::FileText(base + "-status.txt") != "<missing>"; },
                      milliseconds(40000)))
            << port << " was not started, or did not end";
        EXPECT_EQ(testing::FileText(base + "-arguments.txt"),
                  "-iwad\nfreedoom2.wad\n-file\nmaps.wad\n-deh\nmonsters.deh\n-warp\n" + map +
                      "\n-skill\n" + skill + "\n");
        const std::string output = testing::FileText(base + "-output.txt");
        // Still running at the time limit: it started the game without an error.
        EXPECT_EQ(testing::FileText(base + "-status.txt"), "124\n") << output;
        // The IWAD, then the file: " adding" or " merging" (Crispy Doom).
        const std::size_t iwad = output.find("adding freedoom2.wad\n");
        const std::size_t wad = output.find("ing maps.wad");
        EXPECT_TRUE(iwad != std::string::npos && wad != std::string::npos && iwad < wad) << output;
        // The patch: " loading monsters.deh" or "Loading DEH file monsters.deh".
        EXPECT_TRUE(output.find("oading monsters.deh\n") != std::string::npos ||
                    output.find("Loading DEH file monsters.deh\n") != std::string::npos)
            << output;
        // DSDA-Doom prints neither the skill nor the map; the others count
        // the skill from 0.
        if (std::string(port) != "dsda-doom") {
            EXPECT_NE(output.find("startskill " + std::to_string(std::stoi(skill) - 1) +
                                  "  deathmatch: 0  startmap: " + std::to_string(std::stoi(map))),
                      std::string::npos)
                << output;
        }
    }
};

// From a saved set (skill 3, MAP07) and from a set made in the window (only
// the port from the batch file: skill 1, MAP03); both ports run at once.
TEST_P(RealPort, RunStartsItWithWhatTheWindowShows) {
    if (!testing::UnderWine()) GTEST_SKIP() << "the ports run on the Unix side";
    const std::string port = GetParam();
    ScenarioFolders saved;
    ScenarioFolders made;
    for (const ScenarioFolders* folders : {&saved, &made})
        if (const std::optional<std::string> missing = Prepare(folders->start, port))
            GTEST_SKIP() << *missing;
    const std::string bat = CrLfLines({"set DOOMWADDIR=" + saved.start, port + ".exe @qorvex.rsp"});
    WriteLaunchFileSet(saved.start,
                       {CrLfLines({"-iwad \"freedoom2.wad\"", "-file maps.wad", "-deh monsters.deh",
                                   "+exec qorvex.cfg", "+map MAP07"}),
                        CrLfLines({"skill 3", "fraglimit 0", "timelimit 0", "sv_gravity 800.00",
                                   "sv_aircontrol 0.00390625", "teamdamage 0"}),
                        bat});
    {
        RunningLauncher launcher(saved.start, {{"DOOMWADDIR", saved.wads}});
        ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
        EXPECT_EQ(launcher[MainId::cbIWAD].Text(), "Custom..."); // freedoom2.wad, as saved
        launcher[MainId::btnRun].Click();
        ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end after Run";
    }
    WriteBytes(made.start + "\\qorvex.bat",
               CrLfLines({"set DOOMWADDIR=" + made.start, port + ".exe @qorvex.rsp"}));
    {
        RunningLauncher launcher(made.start, {{"DOOMWADDIR", made.wads}});
        ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
        EXPECT_EQ(launcher[MainId::cbIWAD].Text(), "Freedoom: Phase 2");
        for (const char* file : {"maps.wad", "monsters.deh"}) {
            launcher[MainId::cbPWADS].Type(file);
            launcher[MainId::btnPwads].Click();
            ASSERT_TRUE(launcher.Settle()); // the click, before the next name
        }
        launcher[MainId::cbSkill].Choose(1);
        launcher[MainId::edtMap].Type("MAP03");
        ASSERT_TRUE(launcher.Settle());
        EXPECT_EQ(launcher[MainId::lbPwads].Items(),
                  (std::vector<std::string>{"maps.wad", "monsters.deh"}));
        launcher[MainId::btnRun].Click();
        ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end after Run";
    }
    ExpectStarted(saved.start, port, "4", "07");
    ExpectStarted(made.start, port, "2", "03");
    EXPECT_EQ(testing::FileText(saved.start + "\\qorvex.bat"), bat) << "saved as always";
}

INSTANTIATE_TEST_SUITE_P(End, RealPort,
                         ::testing::Values("woof", "dsda-doom", "chocolate-doom", "crispy-doom"),
                         [](const ::testing::TestParamInfo<const char*>& port) {
                             std::string name = port.param;
                             std::erase(name, '-');
                             return name;
                         });

TEST(End, ResetDeletesTheThreeFilesAndEnds) {
    ScenarioFolders folders;
    SaveDefaultExample(folders.start, folders.wads);
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    launcher[MainId::btnReset].Click();
    ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end after Reset";
    EXPECT_EQ(launcher.process().ExitCode(), 0u);
    EXPECT_FALSE(AnyLaunchFileExists(folders.start));
    EXPECT_NE(GetFileAttributesA((folders.start + "\\DOOM2.WAD").c_str()), INVALID_FILE_ATTRIBUTES)
        << "Reset deletes the launch files only";
}

TEST(End, ResetWithoutFilesEndsSilently) {
    ScenarioFolders folders;
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    launcher[MainId::btnReset].Click();
    ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end after Reset";
    EXPECT_EQ(launcher.process().ExitCode(), 0u);
    EXPECT_FALSE(AnyLaunchFileExists(folders.start));
}

// Ends the launcher after an unsaved change; the saved set must stay as it was.
void ExpectEndWithoutSaving(void (*end)(const RunningLauncher&)) {
    ScenarioFolders folders;
    const LaunchFileSet saved = SaveDefaultExample(folders.start, folders.wads);
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    launcher[MainId::edtMap].Type("MAP05");
    launcher[MainId::cbDeathmatch].Click();
    ASSERT_TRUE(launcher.Settle());
    ASSERT_TRUE(launcher[MainId::cbDeathmatch].Checked());
    end(launcher);
    ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end";
    EXPECT_EQ(launcher.process().ExitCode(), 0u);
    ExpectLaunchFiles(folders.start, saved);
}

TEST(End, ExitEndsWithoutSaving) {
    ExpectEndWithoutSaving(
        [](const RunningLauncher& launcher) { launcher[MainId::btnExit].Click(); });
}

TEST(End, TheCloseBoxEndsWithoutSaving) {
    ExpectEndWithoutSaving([](const RunningLauncher& launcher) {
        PostMessageA(launcher.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
}

TEST(End, WmCloseEndsWithoutSaving) {
    ExpectEndWithoutSaving(
        [](const RunningLauncher& launcher) { PostMessageA(launcher.window(), WM_CLOSE, 0, 0); });
}

struct ButtonQuery {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectButton(HWND window, LPARAM parameter) {
    auto& query = *reinterpret_cast<ButtonQuery*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == query.processId && IsWindowVisible(window) &&
        GetWindow(window, GW_OWNER) == nullptr &&
        (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0)
        query.found.push_back(window);
    return TRUE;
}

// The windows of the process that have a taskbar button: shown, owned by no
// window, not tool windows.
std::vector<HWND> TaskbarButtons(DWORD processId) {
    ButtonQuery query{processId, {}};
    EnumWindows(CollectButton, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

// Another program, whose window the person can click: Wine's Notepad,
// moved out of the launcher's way.
class OtherProgram {
  public:
    OtherProgram() {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        char commandLine[] = "notepad.exe";
        if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_))
            return;
        WaitUntil([&] { return (window_ = FirstWindowOf(process_.dwProcessId)) != nullptr; });
        if (window_) SetWindowPos(window_, nullptr, 0, 0, 200, 150, SWP_NOZORDER);
    }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;
    ~OtherProgram() {
        if (!process_.hProcess) return;
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    HWND window() const { return window_; }

  private:
    static HWND FirstWindowOf(DWORD processId) {
        const auto windows = VisibleWindows(processId);
        return windows.empty() ? nullptr : windows.front().first;
    }

    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// One taskbar button, "Tarnwick", for the main window "Tarnwick Pro": the
// button minimizes, restores, takes the program back to the front and closes
// it as for any program, and the focus is where it was each time.
TEST(End, TheTaskbarButtonMinimizesRestoresAndClosesWithoutSaving) {
    SKIP_WITHOUT_REAL_INPUT();
    ExpectEndWithoutSaving([](const RunningLauncher& launcher) {
        const std::vector<HWND> buttons = TaskbarButtons(launcher.id());
        ASSERT_EQ(buttons.size(), 1u);
        const HWND button = buttons.front();
        char caption[64] = "";
        GetWindowTextA(button, caption, sizeof caption);
        EXPECT_STREQ(caption, "Tarnwick");
        EXPECT_EQ(GetWindow(launcher.window(), GW_OWNER), button);

        const HWND map = launcher[MainId::edtMap].hwnd();
        ClickOn(map);
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(map) == map; }));
        // Shown again, active and with its focus: a minimized window may
        // keep its focus and activation while it is hidden.
        const auto focusBack = [&] {
            return WaitUntil(
                [&] {
                    return IsWindowVisible(launcher.window()) && FocusOf(map) == map &&
                           ActiveOf(map) == launcher.window();
                },
                milliseconds(5000));
        };

        PressKeys("alt+space"); // the system menu
        PressKeys("n");         // Minimize
        ASSERT_TRUE(WaitUntil([&] {
            return IsIconic(button) && !IsWindowVisible(launcher.window());
        })) << "minimizing the main window leaves it on the screen";
        // A click on a minimized program's button restores it.
        PostMessageA(button, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_TRUE(focusBack()) << "not restored with its focus";

        // Another program in front; back by choosing the button (or Alt+Tab),
        // then by a click on the window.
        const OtherProgram other;
        ASSERT_NE(other.window(), nullptr);
        ClickOn(other.window());
        ASSERT_TRUE(WaitUntil([&] { return ActiveOf(map) == nullptr; }));
        SetForegroundWindow(button);
        EXPECT_TRUE(focusBack()) << "back from another program without the focus";
        ClickOn(other.window());
        ASSERT_TRUE(WaitUntil([&] { return ActiveOf(map) == nullptr; }));
        ClickAt(launcher.window(), 620, 350); // an empty place in the Control group
        EXPECT_TRUE(focusBack()) << "clicked back without the focus";

        // Close on the button's menu.
        PostMessageA(button, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
}

} // namespace
} // namespace tarnwick::e2e
