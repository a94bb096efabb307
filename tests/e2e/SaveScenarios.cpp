// Save from the window: the files it writes, byte for byte, and a save that
// fails.
#include "DirSetupControlIds.h"
#include "ErrorText.h"
#include "Examples.h"
#include "RealInput.h"
#include "RunningLauncher.h"
#include "ScenarioFolders.h"
#include "Win32Error.h"

#include <gtest/gtest.h>

#include <set>

namespace tarnwick::e2e {
namespace {

constexpr char kNotReady[] = "the start-up sequence never gave the focus to cbSource";

TEST(Save, WithTheDefaultsWritesTheFirstExample) {
    ScenarioFolders folders;
    folders.AddToStart("DOOM2.WAD");
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    EXPECT_EQ(launcher[MainId::cbIWAD].Items(),
              (std::vector<std::string>{"DOOM 2: Hell on Earth", "Custom..."}));
    EXPECT_EQ(launcher[MainId::cbIWAD].Selected(), 0);

    launcher[MainId::btnSave].Click();
    ASSERT_TRUE(launcher.Settle());
    ExpectLaunchFiles(folders.start, DefaultExample(folders.wads));
    EXPECT_EQ(launcher.CountWindows("Tarnwick Pro"), 1) << "Save leaves the window open";
}

// A second, shorter choice in a file dialog is taken whole: the dialog
// writes it over the first one in its buffer, and what an earlier, longer
// name left after it is not read as a second file.
TEST(Save, AShorterSecondChoiceInAFileDialogIsTakenWhole) {
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

    launcher[MainId::btnSave].Click();
    ASSERT_TRUE(launcher.Settle());
    ExpectLaunchFiles(folders.start, FullExample(folders.wads));
}

// The system's text for an error code, as the error box shows it.
std::string ErrorBoxTextFor(DWORD code) { return forms::ErrorBoxText(SystemMessage(code)); }

TEST(Save, IntoAFileHeldOpenShowsOneErrorBoxAndTheWindowGoesOn) {
    ScenarioFolders folders;
    const LaunchFileSet earlier = SaveDefaultExample(folders.start, folders.wads);
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;

    launcher[MainId::edtMap].Type("MAP02");
    HeldFile held(folders.start + "\\qorvex.rsp");
    ASSERT_TRUE(held.held());
    launcher[MainId::btnSave].Click();
    const HWND box = launcher.WaitForOwnWindow("Tarnwick");
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(MessageBoxText(box), ErrorBoxTextFor(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(launcher.CountWindows("Tarnwick"), 1) << "one error, one box";
    PressDialogButton(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Tarnwick") == 0; }));
    held.Release();
    ExpectLaunchFiles(folders.start, earlier);

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
    ASSERT_TRUE(launcher.Settle()) << "the launcher ended or hangs";
    ExpectLaunchFiles(folders.start, earlier);
    Sleep(500); // time for a batch file, had one been started, to make its folder
    EXPECT_EQ(GetFileAttributesA((folders.start + "\\pwned").c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
} // namespace tarnwick::e2e
