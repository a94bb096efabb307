// Save from the window: the files it writes, byte for byte, and a save that
// fails.
#include "DirSetupControlIds.h"
#include "ErrorText.h"
#include "Examples.h"
#include "LaunchCommandControlIds.h"
#include "RealInput.h"
#include "RunningLauncher.h"
#include "ScenarioFolders.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>

namespace tarnwick::e2e {
namespace {

constexpr char kNotReady[] = "the start-up sequence never gave the focus to cbSource";

// What the Launch Command dialog shows for a set that Save writes as files,
// with the command line that it comes to.
std::string LaunchCommandText(const std::string& commandLine, const std::string& note,
                              const ScenarioFolders& folders, const LaunchFileSet& files) {
    return "Command line:\r\n" + commandLine + "\r\n" + note +
           "\r\nWorking folder: " + folders.start + "\r\nDOOMWADDIR: " + folders.wads +
           "\r\n\r\nqorvex.bat:\r\n" + files.bat + "\r\nqorvex.rsp:\r\n" + files.rsp +
           "\r\nqorvex.cfg:\r\n" + files.cfg;
}

std::string TextOf(HWND dialog) {
    return RemoteControl(dialog, LaunchCommandId::memCommand).Text();
}

RECT PlaceOf(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    return place;
}

// Before anything is saved, the Launch Command dialog shows what Run would
// start: opened with real keys, copied with a real click, grown, closed with
// Escape; the focus is back where it was, and Save then writes what it showed.
TEST(Save, WithTheDefaultsWritesTheFirstExample) {
    SKIP_WITHOUT_REAL_INPUT();
    ScenarioFolders folders;
    folders.AddToStart("DOOM2.WAD");
    folders.AddToStart("gzdoom.exe");
    ASSERT_EQ(folders.start.find(' '), std::string::npos) << "a blank would quote the path";
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    EXPECT_EQ(launcher[MainId::cbIWAD].Items(),
              (std::vector<std::string>{"DOOM 2: Hell on Earth", "Custom..."}));
    EXPECT_EQ(launcher[MainId::cbIWAD].Selected(), 0);

    const HWND map = launcher[MainId::edtMap].hwnd();
    ClickOn(map);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(map) == map; }));
    const HWND dialog = launcher.OpenLaunchCommand();
    ASSERT_NE(dialog, nullptr) << "Alt+Space, L opened nothing";
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), launcher.window());
    EXPECT_NE(GetWindowLongA(dialog, GWL_STYLE) & WS_THICKFRAME, 0) << "it cannot be resized";
    const HWND text = GetDlgItem(dialog, LaunchCommandId::memCommand);
    EXPECT_NE(GetWindowLongA(text, GWL_STYLE) & ES_READONLY, 0) << "its text can be changed";
    const std::string line = folders.start + "\\gzdoom.exe -iwad doom2.wad +exec qorvex.cfg";
    EXPECT_EQ(TextOf(dialog), LaunchCommandText(line, "", folders, DefaultExample(folders.wads)));
    EXPECT_FALSE(AnyLaunchFileExists(folders.start)) << "the dialog wrote the files";

    ClickOn(GetDlgItem(dialog, LaunchCommandId::btnCopy));
    EXPECT_TRUE(WaitUntil([&] {
        return ClipboardText() == "set DOOMWADDIR=" + folders.wads + "\n" + line;
    })) << ClipboardText();

    // The text grows with the dialog; the buttons keep to its corner.
    const HWND close = GetDlgItem(dialog, IDCANCEL); // where tools look for it
    const RECT textBefore = PlaceOf(text);
    const RECT closeBefore = PlaceOf(close);
    const RECT dialogBefore = PlaceOf(dialog);
    SetWindowPos(dialog, nullptr, 0, 0, dialogBefore.right - dialogBefore.left + 100,
                 dialogBefore.bottom - dialogBefore.top + 60, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(WaitUntil([&] { return PlaceOf(close).left == closeBefore.left + 100; }));
    EXPECT_EQ(PlaceOf(close).top, closeBefore.top + 60);
    EXPECT_EQ(PlaceOf(text).right - PlaceOf(text).left, textBefore.right - textBefore.left + 100);
    EXPECT_EQ(PlaceOf(text).bottom - PlaceOf(text).top, textBefore.bottom - textBefore.top + 60);

    PressKeys("Escape");
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Launch Command") == 0; }));
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(map) == map; })) << "the focus did not come back";

    launcher[MainId::btnSave].Click();
    ASSERT_TRUE(launcher.Settle());
    ExpectLaunchFiles(folders.start, DefaultExample(folders.wads));
    EXPECT_EQ(launcher.CountWindows("Tarnwick Pro"), 1) << "Save leaves the window open";
}

// A second, shorter choice in a file dialog is taken whole: the dialog
// writes it over the first one in its buffer, and what an earlier, longer
// name left after it is not read as a second file.
TEST(Save, AShorterSecondChoiceInAFileDialogIsTakenWhole) {
    SKIP_WITHOUT_REAL_INPUT();
    ScenarioFolders folders;
    folders.AddToStart("DOOM2.WAD");
    const std::string demos = folders.root.AddFolder("demos");
    ScenarioFolders::AddFile(demos, "longdemo1.lmp");
    ScenarioFolders::AddFile(demos, "d.lmp");
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    constexpr char kCaption[] = "Select a demo to play";
    for (const std::string name : {"longdemo1.lmp", "d.lmp"}) {
        ClickOn(launcher[MainId::sbDemo].hwnd());
        ASSERT_NE(launcher.WaitForOwnWindow(kCaption), nullptr) << "the dialog did not open";
        // The name field has the focus and offers the last choice, selected.
        TypeText(demos + "\\" + name);
        PressKeys("Return");
        ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows(kCaption) == 0; }));
        ASSERT_TRUE(launcher.Settle());
        EXPECT_EQ(launcher[MainId::edtPlay].Text(), demos + "\\" + name);
    }
    launcher[MainId::btnSave].Click();
    ASSERT_TRUE(launcher.Settle());
    const std::string rsp = testing::FileText(folders.start + "\\qorvex.rsp");
    EXPECT_NE(rsp.find("\r\n-playdemo " + demos + "\\d.lmp\r\n"), std::string::npos) << rsp;
}

TEST(Save, TabFromTheLastControlWrapsToTheFirstAndNeverReachesLoad) {
    ScenarioFolders folders;
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    const HWND source = launcher[MainId::cbSource].hwnd();
    const HWND exit = launcher[MainId::btnExit].hwnd();
    const HWND load = launcher[MainId::btnLoad].hwnd();

    // Round the whole tab order from cbSource to btnExit, then one step on.
    std::set<HWND> visited;
    HWND focus = source;
    for (int press = 0; press < 60 && focus != exit; ++press) {
        PressKeyOn(focus, VK_TAB);
        const HWND before = focus;
        ASSERT_TRUE(WaitUntil([&] { return (focus = FocusOf(launcher.window())) != before; },
                              milliseconds(3000)))
            << "Tab did not move the focus";
        EXPECT_NE(focus, load) << "Tab reached the hidden Load button";
        visited.insert(focus);
    }
    ASSERT_EQ(focus, exit) << "Tab never reached Exit";
    EXPECT_GE(visited.size(), 30u) << "the tab order skips controls";

    PressKeyOn(exit, VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return (focus = FocusOf(launcher.window())) != exit; },
                          milliseconds(3000)));
    EXPECT_EQ(focus, source) << "Tab from Exit goes back to the first control";
}

TEST(Save, TheFullExampleBuiltThroughTheWindow) {
    SKIP_WITHOUT_REAL_INPUT();
    ScenarioFolders folders;
    folders.AddToWads("DOOM2.WAD");
    folders.AddToWads("maps.wad");
    folders.AddToStart("sounds.pk3");
    folders.AddToStart("monsters.deh");
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;

    // Resource files as a person adds them: the name typed, then Enter.
    for (const char* name : {"maps.wad", "sounds.pk3", "monsters.deh"}) {
        launcher[MainId::cbPWADS].Type(name);
        launcher[MainId::cbPWADS].PressKey(VK_RETURN);
        ASSERT_TRUE(launcher.Settle());
    }
    EXPECT_EQ(launcher[MainId::lbPwads].Items(),
              (std::vector<std::string>{"maps.wad", "sounds.pk3", "monsters.deh"}));

    launcher[MainId::cbMaxplayers].Choose(4); // "4"
    launcher[MainId::cbTeam].Choose(1);       // "Red"
    launcher[MainId::edtMap].Type("MAP07");
    launcher[MainId::edtParams].Type("-nomusic");
    launcher[MainId::sbAircontrol].Scroll(200);
    EXPECT_EQ(launcher[MainId::stAircontrol].Text(), "200");
    launcher[MainId::sbAircontrol].Scroll(1);
    launcher[MainId::sbTeamDamage].Scroll(50);
    launcher[MainId::cbDeathmatch].Click();
    launcher[MainId::cbp2p].Click();
    launcher[MainId::seFraglimit].Type("20");
    launcher[MainId::seTimelimit].Type("15");
    launcher[MainId::sbDup].Scroll(2);
    ASSERT_TRUE(launcher.Settle());

    EXPECT_EQ(launcher[MainId::cbMaxplayers].Text(), "4");
    EXPECT_EQ(launcher[MainId::cbTeam].Text(), "Red");
    EXPECT_EQ(launcher[MainId::stAircontrol].Text(), "1");
    EXPECT_EQ(launcher[MainId::stTeamDamage].Text(), "50");
    EXPECT_TRUE(launcher[MainId::cbDeathmatch].Checked());
    EXPECT_TRUE(launcher[MainId::cbp2p].Checked());
    EXPECT_EQ(launcher[MainId::sbDup].ScrollPosition(), 2);

    // The dialog names a port that cmd would not find.
    const HWND dialog = launcher.OpenLaunchCommand();
    ASSERT_NE(dialog, nullptr) << "Alt+Space, L opened nothing";
    EXPECT_EQ(TextOf(dialog),
              LaunchCommandText("gzdoom.exe -iwad doom2.wad -file maps.wad sounds.pk3 -deh "
                                "monsters.deh -host 4 -port 5029 -dup 2 -netmode 0 +exec "
                                "qorvex.cfg +team 1 +map MAP07 -nomusic",
                                "cmd finds no file \"gzdoom.exe\" in the working folder or along "
                                "PATH: Run would start no game.\r\n",
                                folders, FullExample(folders.wads)));
    PressKeys("Escape");
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Launch Command") == 0; }));

    launcher[MainId::btnSave].Click();
    ASSERT_TRUE(launcher.Settle());
    ExpectLaunchFiles(folders.start, FullExample(folders.wads));
}

// A launch file that Save could not replace, held open by another program or
// marked read-only (Explorer's Properties, a sync tool): Save refuses before
// it changes anything, in one box that names the file and what to do, and
// the window goes on. Once the file is free the next Save writes the change.
TEST(Save, IntoAFileHeldOpenOrReadOnlyIsRefusedByNameAndTheWindowGoesOn) {
    ScenarioFolders folders;
    const LaunchFileSet earlier = SaveDefaultExample(folders.start, folders.wads);
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;

    launcher[MainId::edtMap].Type("MAP02");
    for (const bool held : {true, false}) {
        const std::string path = folders.start + (held ? "\\qorvex.rsp" : "\\qorvex.cfg");
        std::optional<HeldFile> holder;
        if (held)
            holder.emplace(path);
        else
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        launcher[MainId::btnSave].Click();
        const HWND box = launcher.WaitForOwnWindow("Tarnwick");
        ASSERT_NE(box, nullptr) << "no error box";
        EXPECT_EQ(MessageBoxText(box),
                  forms::ErrorBoxText(
                      path +
                      (held ? " is in use by another program. Close the program that uses it, "
                            : " is read-only. Clear \"Read-only\" in its Properties, ") +
                      "then try again.\n\nNothing was saved: the files as they were before "
                      "stand."));
        EXPECT_EQ(launcher.CountWindows("Tarnwick"), 1) << "one error, one box";
        PressDialogButton(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Tarnwick") == 0; }));
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        holder.reset();
        ExpectLaunchFiles(folders.start, earlier);
    }

    // The window still works: the next Save writes the change.
    launcher[MainId::btnSave].Click();
    ASSERT_TRUE(launcher.Settle());
    LaunchFileSet changed = earlier;
    changed.rsp = CrLfLines({"-iwad \"doom2.wad\"", "+exec qorvex.cfg", "+map MAP02"});
    ExpectLaunchFiles(folders.start, changed);
}

// A WAD folder typed with a double quote would end the quoting of the batch
// file's set line and let the rest run as commands: Save and Run refuse it,
// and the earlier files stay.
TEST(Save, AWadFolderWithADoubleQuoteIsRefusedAndRunStartsNothing) {
    SKIP_WITHOUT_REAL_INPUT();
    ScenarioFolders folders;
    const LaunchFileSet earlier = SaveDefaultExample(folders.start, folders.wads);
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;

    const std::string hostile = "C:\\w\" & md pwned & \"";
    launcher[MainId::btnWaddir].Click();
    const HWND dialog = launcher.WaitForOwnWindow("Directory Setup");
    ASSERT_NE(dialog, nullptr);
    RemoteControl(dialog, DirSetupId::leWADDIR).Type(hostile);
    PressDialogButton(dialog, DirSetupId::btnOk);
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Directory Setup") == 0; }));

    for (const int button : {MainId::btnSave, MainId::btnRun}) {
        launcher[button].Click();
        const HWND box = launcher.WaitForOwnWindow("Tarnwick");
        ASSERT_NE(box, nullptr) << "no error box for control " << button;
        std::string text = MessageBoxText(box);
        std::erase(text, '\r');
        EXPECT_EQ(text,
                  "The WAD directory holds a double quote, which no Windows path can hold:\n" +
                      hostile + "\nNothing was saved.");
        PressDialogButton(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Tarnwick") == 0; }));
    }
    // The Launch Command dialog shows the same message, and nothing to copy.
    const HWND command = launcher.OpenLaunchCommand();
    ASSERT_NE(command, nullptr) << "Alt+Space, L opened nothing";
    EXPECT_EQ(TextOf(command),
              "The WAD directory holds a double quote, which no Windows path can hold:\r\n" +
                  hostile + "\r\nNothing was saved.");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(command, LaunchCommandId::btnCopy)));
    EXPECT_EQ(launcher.CountWindows("Tarnwick"), 0) << "a box as well";
    PressKeys("Escape");
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Launch Command") == 0; }));
    ASSERT_TRUE(launcher.Settle()) << "the launcher ended or hangs";
    ExpectLaunchFiles(folders.start, earlier);
    Sleep(500); // time for a batch file, had one been started, to make its folder
    EXPECT_EQ(GetFileAttributesA((folders.start + "\\pwned").c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
} // namespace tarnwick::e2e
