// Start-up: the saved set read back into the window, the WAD directory
// dialog when DOOMWADDIR is unset, and the question about a missing IWAD.
#include "DirSetupControls.h"
#include "Examples.h"
#include "RunningLauncher.h"
#include "ScenarioFolders.h"

#include <gtest/gtest.h>

namespace tarnwick::e2e {
namespace {

constexpr char kNotReady[] = "the start-up sequence never gave the focus to cbSource";
using Items = std::vector<std::string>;

TEST(Startup, RestoresEveryValueOfTheSavedSet) {
    ScenarioFolders folders;
    folders.AddToWads("DOOM2.WAD");
    folders.AddToWads("maps.wad");
    folders.AddToStart("sounds.pk3");
    folders.AddToStart("monsters.deh");
    const LaunchFileSet saved = FullExample(folders.wads);
    WriteLaunchFileSet(folders.start, saved);
    // DOOMWADDIR names another folder: the saved batch file's one wins.
    const std::string elsewhere = folders.root.AddFolder("elsewhere");
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", elsewhere}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;

    EXPECT_EQ(launcher[MainId::cbSource].Selected(), 0);
    EXPECT_EQ(launcher[MainId::cbIWAD].Text(), "Custom...");
    EXPECT_EQ(launcher[MainId::lbPwads].Items(), (Items{"maps.wad", "sounds.pk3", "monsters.deh"}));
    EXPECT_EQ(launcher[MainId::cbPWADS].Items(),
              (Items{"DOOM2.WAD", "maps.wad", "monsters.deh", "sounds.pk3"}))
        << "the resource list comes from the saved WAD folder";
    EXPECT_EQ(launcher[MainId::cbMaxplayers].Selected(), 4);
    EXPECT_EQ(launcher[MainId::edtUDP].Text(), "5029");
    EXPECT_EQ(launcher[MainId::sbDup].ScrollPosition(), 2);
    EXPECT_TRUE(launcher[MainId::cbp2p].Checked());
    EXPECT_FALSE(launcher[MainId::cbBackup].Checked());
    EXPECT_EQ(launcher[MainId::cbTeam].Selected(), 1);
    EXPECT_EQ(launcher[MainId::edtMap].Text(), "MAP07");
    EXPECT_EQ(launcher[MainId::edtParams].Text(), "-nomusic");
    EXPECT_TRUE(launcher[MainId::cbDeathmatch].Checked());
    EXPECT_FALSE(launcher[MainId::cbTeamplay].Checked());
    EXPECT_EQ(launcher[MainId::cbSkill].Selected(), 3);
    EXPECT_EQ(launcher[MainId::seFraglimit].Text(), "20");
    EXPECT_EQ(launcher[MainId::seTimelimit].Text(), "15");
    EXPECT_EQ(launcher[MainId::edtGravity].Text(), "800.00");
    EXPECT_EQ(launcher[MainId::sbAircontrol].ScrollPosition(), 1);
    EXPECT_EQ(launcher[MainId::stAircontrol].Text(), "1");
    EXPECT_EQ(launcher[MainId::sbTeamDamage].ScrollPosition(), 50);
    EXPECT_EQ(launcher[MainId::stTeamDamage].Text(), "50");
    EXPECT_FALSE(launcher[MainId::cbFast].Checked());
    for (const int empty : {MainId::edtDemo, MainId::edtPlay, MainId::edtSave,
                            MainId::edtPlayerClass, MainId::edtRemote})
        EXPECT_EQ(launcher[empty].Text(), "") << "control " << empty;

    // Saving at once writes the same three files again.
    launcher[MainId::btnSave].Click();
    ASSERT_TRUE(launcher.Settle());
    ExpectLaunchFiles(folders.start, saved);
}

TEST(Startup, WithoutDoomWadDirAsksForTheFolderBeforeFillingTheLists) {
    ScenarioFolders folders;
    folders.AddToStart("DOOM2.WAD");
    folders.AddToWads("maps.wad");
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", std::nullopt}});
    ASSERT_NE(launcher.window(), nullptr);
    const HWND dialog = launcher.WaitForOwnWindow("Directory Setup");
    ASSERT_NE(dialog, nullptr) << "no WAD directory dialog";
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), launcher.window()) << "shown over the main window";
    EXPECT_TRUE(IsWindowVisible(launcher.window()));
    EXPECT_EQ(RemoteControl(dialog, dirsetup::leWADDIRId).Text(), "");
    // The lists wait for the dialog.
    EXPECT_EQ(launcher[MainId::cbIWAD].Items(), (Items{"Custom..."}));
    EXPECT_EQ(launcher[MainId::cbIWAD].Selected(), -1);
    EXPECT_EQ(launcher[MainId::cbPWADS].Items(), Items{});

    RemoteControl(dialog, dirsetup::leWADDIRId).Type(folders.wads);
    PressDialogButton(dialog, dirsetup::btnOkId);
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    EXPECT_EQ(launcher.CountWindows("Directory Setup"), 0);
    EXPECT_EQ(launcher[MainId::cbIWAD].Items(), (Items{"DOOM 2: Hell on Earth", "Custom..."}));
    EXPECT_EQ(launcher[MainId::cbIWAD].Selected(), 0);
    EXPECT_EQ(launcher[MainId::cbPWADS].Items(), (Items{"DOOM2.WAD", "maps.wad"}));

    launcher[MainId::btnSave].Click();
    ASSERT_TRUE(launcher.Settle());
    ExpectLaunchFiles(folders.start, DefaultExample(folders.wads));
}

// A saved set whose IWAD lies in neither folder; the WAD folder holds another
// IWAD, so that the first entry of the IWAD list is not "Custom...".
struct MissingIwad {
    ScenarioFolders folders;
    LaunchFileSet saved;

    MissingIwad() {
        folders.AddToWads("HERETIC.WAD");
        saved = DefaultExample(folders.wads);
        saved.rsp = CrLfLines({"-iwad \"doom2.wad\"", "+exec qorvex.cfg", "+map MAP07"});
        WriteLaunchFileSet(folders.start, saved);
    }
};

constexpr char kQuestion[] =
    "File \"doom2.wad\" not found! Do you want to enter a new WAD directory?";
constexpr char kHeretic[] = "Heretic: Shadow of the Serpent Riders";

// Starts the launcher on the set and waits for the question.
HWND AskedQuestion(RunningLauncher& launcher) {
    const HWND box = launcher.WaitForOwnWindow("Warning");
    if (box != nullptr) {
        EXPECT_EQ(MessageBoxText(box), kQuestion);
    }
    return box;
}

TEST(Startup, MissingIwadAnsweredYesOpensTheWadDirectoryDialog) {
    MissingIwad scenario;
    RunningLauncher launcher(scenario.folders.start, {{"DOOMWADDIR", scenario.folders.wads}});
    const HWND box = AskedQuestion(launcher);
    ASSERT_NE(box, nullptr) << "no question";
    PressDialogButton(box, IDYES);
    const HWND dialog = launcher.WaitForOwnWindow("Directory Setup");
    ASSERT_NE(dialog, nullptr) << "Yes opens the WAD directory dialog";
    EXPECT_EQ(RemoteControl(dialog, dirsetup::leWADDIRId).Text(), scenario.folders.wads);
    PressDialogButton(dialog, dirsetup::btnCancelId);
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    EXPECT_EQ(launcher[MainId::cbIWAD].Text(), kHeretic);
    EXPECT_EQ(launcher[MainId::edtMap].Text(), "MAP07") << "the reading goes on";
}

TEST(Startup, MissingIwadAnsweredNoKeepsTheNameAsCustom) {
    MissingIwad scenario;
    RunningLauncher launcher(scenario.folders.start, {{"DOOMWADDIR", scenario.folders.wads}});
    const HWND box = AskedQuestion(launcher);
    ASSERT_NE(box, nullptr) << "no question";
    PressDialogButton(box, IDNO);
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    EXPECT_EQ(launcher.CountWindows("Directory Setup"), 0);
    EXPECT_EQ(launcher[MainId::cbIWAD].Text(), "Custom...");
    EXPECT_EQ(launcher[MainId::edtMap].Text(), "MAP07");

    // The custom name is kept: saving writes the same set.
    launcher[MainId::btnSave].Click();
    ASSERT_TRUE(launcher.Settle());
    ExpectLaunchFiles(scenario.folders.start, scenario.saved);
}

TEST(Startup, MissingIwadAnsweredWithEscapeIsNo) {
    MissingIwad scenario;
    RunningLauncher launcher(scenario.folders.start, {{"DOOMWADDIR", scenario.folders.wads}});
    const HWND box = AskedQuestion(launcher);
    ASSERT_NE(box, nullptr) << "no question";
    PressKeyOn(FocusOf(box), VK_ESCAPE);
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    EXPECT_EQ(launcher[MainId::cbIWAD].Text(), "Custom...");
}

TEST(Startup, MissingIwadWithTheBoxClosedLeavesTheFirstEntry) {
    MissingIwad scenario;
    RunningLauncher launcher(scenario.folders.start, {{"DOOMWADDIR", scenario.folders.wads}});
    const HWND box = AskedQuestion(launcher);
    ASSERT_NE(box, nullptr) << "no question";
    PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    EXPECT_EQ(launcher.CountWindows("Directory Setup"), 0);
    EXPECT_EQ(launcher[MainId::cbIWAD].Text(), kHeretic);
    EXPECT_EQ(launcher[MainId::edtMap].Text(), "MAP07");
}

} // namespace
} // namespace tarnwick::e2e
