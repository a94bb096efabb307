// The ways the launcher ends: Run (which starts the port), Reset, Exit and
// the close box.
#include "CodePageNames.h"
#include "Examples.h"
#include "LaunchCommandControlIds.h"
#include "RealInput.h"
#include "RunningLauncher.h"
#include "ScenarioFolders.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>

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
}

// A custom port that reads no response file would start without the choices
// made here: Run asks first, naming what it will not get; No starts and
// saves nothing, Yes starts it. The Launch Command dialog says the same.
TEST(End, RunAsksBeforeItStartsAPortThatReadsNoResponseFile) {
    SKIP_WITHOUT_REAL_INPUT();
    ScenarioFolders folders;
    const std::string port = folders.root.AddFolder("dsda") + "\\dsda-doom.exe";
    ASSERT_TRUE(CopyFileA(RecordingPortPath().c_str(), port.c_str(), FALSE))
        << "cannot copy the recording port from RECORDING_PORT";
    LaunchFileSet saved = SaveDefaultExample(folders.start, folders.wads);
    saved.bat = CrLfLines({"set DOOMWADDIR=" + folders.wads, port + " @qorvex.rsp"});
    WriteLaunchFileSet(folders.start, saved);
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    const std::string note =
        "dsda-doom.exe reads no response file, so it starts without the choices made here: the "
        "IWAD, the files and the options of qorvex.rsp, and the gameplay values of qorvex.cfg.";

    const HWND dialog = launcher.OpenLaunchCommand();
    ASSERT_NE(dialog, nullptr) << "Alt+Space, L opened nothing";
    const std::string text = RemoteControl(dialog, LaunchCommandId::memCommand).Text();
    EXPECT_EQ(text.rfind("Command line:\r\n" + port + " @qorvex.rsp\r\n" + note + "\r\n", 0), 0u)
        << text;
    PressKeys("Escape");
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Launch Command") == 0; }));

    const std::string record = folders.start + "\\port-record.txt";
    for (const int answer : {IDNO, IDYES}) {
        launcher[MainId::btnRun].Click();
        const HWND box = launcher.WaitForOwnWindow("Warning");
        ASSERT_NE(box, nullptr) << "Run asked nothing";
        std::string question = MessageBoxText(box);
        std::erase(question, '\r');
        EXPECT_EQ(question, note + "\n\nStart it anyway?");
        PressDialogButton(box, answer);
        ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Warning") == 0; }));
        if (answer == IDYES) break;
        ASSERT_TRUE(launcher.Settle()) << "No ended the launcher";
        Sleep(500); // time for a port, had one been started, to write its record
        EXPECT_EQ(GetFileAttributesA(record.c_str()), INVALID_FILE_ATTRIBUTES) << "No started it";
        ExpectLaunchFiles(folders.start, saved);
    }
    ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end after Run";
    ASSERT_TRUE(WaitUntil([&] {
        return testing::FileText(record).find("console=") != std::string::npos;
    })) << "Yes did not start the port";
    EXPECT_NE(testing::FileText(record).find("\r\nargument=@qorvex.rsp\r\n"), std::string::npos);
}

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
