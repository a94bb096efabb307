// Start-up: the saved set read back into the window, the WAD directory
// dialog when DOOMWADDIR is unset, and the question about a missing IWAD.
#include "DirSetupControlIds.h"
#include "Examples.h"
#include "RealInput.h"
#include "RegistryValue.h"
#include "UnixCommand.h"
#include "RunningLauncher.h"
#include "ScenarioFolders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <utility>

namespace tarnwick::e2e {
namespace {

constexpr char kNotReady[] = "the start-up sequence never gave the focus to cbSource";
using Items = std::vector<std::string>;

// A folder's entries with their bytes ("<folder>" for a subfolder).
std::map<std::string, std::string> Contents(const std::string& folder) {
    std::map<std::string, std::string> entries;
    WIN32_FIND_DATAA entry;
    const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return entries;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        entries[name] = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                            ? "<folder>"
                            : testing::FileText(folder + "\\" + name);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return entries;
}

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

// A save cut short after its first rename. Of the version before, under its
// long names: with its record in place the start completes it, with the undo
// record it puts the earlier files back. Of this version, with its new
// qorvex.cfg deleted since by another program: the start puts the earlier
// files back. Either way it says once which set stands and why, and shows it.
TEST(Startup, ASaveCutShortIsCompletedOrUndoneAndSaidOnce) {
    for (const int cut : {0, 1, 2}) {
        const bool undone = cut != 0;
        SCOPED_TRACE(cut == 0 ? "to be completed" : cut == 1 ? "being undone" : "a new file gone");
        ScenarioFolders folders;
        const LaunchFileSet earlier = SaveDefaultExample(folders.start, folders.wads);
        LaunchFileSet later = earlier;
        later.rsp = CrLfLines({"-iwad \"doom2.wad\"", "+exec qorvex.cfg", "+map MAP02"});
        later.cfg = CrLfLines({"deathmatch 1"}) + earlier.cfg;
        const std::string record =
            "qorvex.rsp replaced\r\nqorvex.cfg replaced\r\nqorvex.bat replaced\r\nend\r\n";
        folders.root.AddFile("start\\qorvex.rsp", later.rsp);
        if (cut == 2) {
            folders.root.AddFile("start\\qorvex.rspe0", earlier.rsp);
            folders.root.AddFile("start\\qorvex.batn0", later.bat);
            folders.root.AddFile("start\\qorvex.setc0", record);
        } else {
            folders.root.AddFile("start\\qorvex.rsp.tarnwick-earlier", earlier.rsp);
            folders.root.AddFile("start\\qorvex.cfg.tarnwick-new", later.cfg);
            folders.root.AddFile("start\\qorvex.bat.tarnwick-new", later.bat);
            folders.root.AddFile(
                undone ? "start\\qorvex.tarnwick-undo" : "start\\qorvex.tarnwick-commit", record);
        }

        for (const bool again : {false, true}) {
            RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
            if (!again) {
                const HWND box = launcher.WaitForOwnWindow("Tarnwick");
                ASSERT_NE(box, nullptr) << "the start says nothing";
                EXPECT_NE(MessageBoxText(box).find(
                              cut == 0   ? "It has been completed now."
                              : cut == 1 ? "cut short. The files as they were before it are kept."
                                         : "cut short, and another program has since deleted its "
                                           "new qorvex.cfg. The files as they were before it are "
                                           "kept."),
                          std::string::npos)
                    << MessageBoxText(box);
                PressDialogButton(box, IDOK);
            }
            ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
            EXPECT_EQ(launcher.CountWindows("Tarnwick"), 0) << "said more than once";
            EXPECT_EQ(launcher[MainId::edtMap].Text(), undone ? "" : "MAP02");
            EXPECT_EQ(launcher[MainId::cbDeathmatch].Checked(), !undone);
            ExpectLaunchFiles(folders.start, undone ? earlier : later);
            EXPECT_EQ(Contents(folders.start).size(), 4u) << "something is left over";
            PostMessageA(launcher.window(), WM_CLOSE, 0, 0);
            ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end";
        }
    }
}

// Clicks Save and answers the box it shows with `button`; gives its text.
std::string SaveAnswering(const RunningLauncher& launcher, const char* caption, int button) {
    launcher[MainId::btnSave].Click();
    const HWND box = launcher.WaitForOwnWindow(caption);
    if (!box) return "<no box>";
    const std::string text = MessageBoxText(box);
    PressDialogButton(box, button);
    WaitUntil([&] { return launcher.CountWindows(caption) == 0; });
    return text;
}

// After a start that could not complete a save cut short, or read the saved
// set, the window shows the defaults, and a Save never writes them over that
// set unseen: it completes the change first and shows the set instead,
// saying so; where the set cannot be read, it asks (No the default).
TEST(Startup, ASaveAfterAStartThatFailedShowsOrAsksBeforeItWritesOverTheSavedSet) {
    ScenarioFolders folders;
    const LaunchFileSet earlier = SaveDefaultExample(folders.start, folders.wads);
    LaunchFileSet later = earlier;
    later.rsp = CrLfLines({"-iwad \"doom2.wad\"", "+exec qorvex.cfg", "+map MAP02"});
    folders.root.AddFile("start\\qorvex.rspn4", later.rsp);
    folders.root.AddFile(
        "start\\qorvex.setc4",
        "qorvex.rsp replaced\r\nqorvex.cfg absent\r\nqorvex.bat absent\r\nend\r\n");
    std::optional<HeldFile> held(std::in_place, folders.start + "\\qorvex.rsp");
    {
        RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
        HWND box = launcher.WaitForOwnWindow("Tarnwick");
        ASSERT_NE(box, nullptr) << "the failed recovery says nothing";
        EXPECT_NE(MessageBoxText(box).find("Completing a save cut short failed"), std::string::npos)
            << MessageBoxText(box);
        PressDialogButton(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Tarnwick") == 0; }));
        launcher[MainId::edtMap].Type("MAP09");
        EXPECT_NE(SaveAnswering(launcher, "Tarnwick", IDOK).find("Completing a save cut short"),
                  std::string::npos);
        held.reset();
        ExpectLaunchFiles(folders.start, earlier);

        EXPECT_NE(SaveAnswering(launcher, "Tarnwick", IDOK).find("It has been completed now."),
                  std::string::npos);
        const HWND shown = launcher.WaitForOwnWindow("Tarnwick");
        ASSERT_NE(shown, nullptr) << "the Save that showed the set says nothing";
        EXPECT_EQ(MessageBoxText(shown).rfind("The launch files could be read now", 0), 0u);
        PressDialogButton(shown, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Tarnwick") == 0; }));
        EXPECT_EQ(launcher[MainId::edtMap].Text(), "MAP02");
        ExpectLaunchFiles(folders.start, later);
        EXPECT_EQ(Contents(folders.start).size(), 4u) << "something is left over";
        launcher[MainId::edtMap].Type("MAP03");
        launcher[MainId::btnSave].Click();
        ASSERT_TRUE(launcher.Settle());
        EXPECT_NE(testing::FileText(folders.start + "\\qorvex.rsp").find("+map MAP03"),
                  std::string::npos);
    }

    LaunchFileSet unreadable = earlier;
    unreadable.cfg = CrLfLines({"sv_aircontrol 0.1"});
    WriteLaunchFileSet(folders.start, unreadable);
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    const HWND box = launcher.WaitForOwnWindow("Tarnwick");
    ASSERT_NE(box, nullptr) << "the failed reading says nothing";
    PressDialogButton(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Tarnwick") == 0; }));
    for (const int answer : {IDNO, IDYES}) {
        const std::string asked = SaveAnswering(launcher, "Warning", answer);
        EXPECT_EQ(asked.rfind("The saved launch files cannot be read", 0), 0u) << asked;
        EXPECT_NE(asked.find("'25.6' is not a valid integer value"), std::string::npos) << asked;
        ASSERT_TRUE(launcher.Settle());
        EXPECT_EQ(ReadLaunchFileSet(folders.start).cfg == unreadable.cfg, answer == IDNO);
    }
}

// DOOMWADDIR unset, or naming a folder too long to list: the WAD directory
// dialog comes first, after a word about the folder that cannot be used.
TEST(Startup, WithoutAUsableDoomWadDirAsksForTheFolderBeforeFillingTheLists) {
    for (const bool tooLong : {false, true}) {
        SCOPED_TRACE(tooLong ? "DOOMWADDIR of 258 characters" : "DOOMWADDIR unset");
        ScenarioFolders folders;
        folders.AddToStart("DOOM2.WAD");
        folders.AddToWads("maps.wad");
        const std::string longFolder =
            folders.wads + "\\" + std::string(257 - folders.wads.size(), 'w');
        RunningLauncher launcher(
            folders.start, {{"DOOMWADDIR", tooLong ? std::optional(longFolder) : std::nullopt}});
        ASSERT_NE(launcher.window(), nullptr);
        if (tooLong) {
            const HWND warning = launcher.WaitForOwnWindow("Warning");
            ASSERT_NE(warning, nullptr) << "the folder was passed over without a word";
            EXPECT_NE(MessageBoxText(warning).find("\nis 258 characters long;"), std::string::npos)
                << MessageBoxText(warning);
            PressDialogButton(warning, IDOK);
        }
        const HWND dialog = launcher.WaitForOwnWindow("Directory Setup");
        ASSERT_NE(dialog, nullptr) << "no WAD directory dialog";
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), launcher.window()) << "shown over the main window";
        EXPECT_TRUE(IsWindowVisible(launcher.window()));
        // The test prefix has no games; a computer with its own offers them.
        if (!tooLong && !testing::UnderWine() &&
            !RemoteControl(dialog, DirSetupId::leWADDIR).Text().empty())
            GTEST_SKIP() << "this computer has games from Steam or GOG, or DOOMWADPATH set";
        EXPECT_EQ(RemoteControl(dialog, DirSetupId::leWADDIR).Text(), tooLong ? longFolder : "");
        // The lists wait for the dialog.
        EXPECT_EQ(launcher[MainId::cbIWAD].Items(), (Items{"Custom..."}));
        EXPECT_EQ(launcher[MainId::cbIWAD].Selected(), -1);
        EXPECT_EQ(launcher[MainId::cbPWADS].Items(), Items{});

        RemoteControl(dialog, DirSetupId::leWADDIR).Type(folders.wads);
        PressDialogButton(dialog, DirSetupId::btnOk);
        ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
        EXPECT_EQ(launcher.CountWindows("Directory Setup"), 0);
        EXPECT_EQ(launcher[MainId::cbIWAD].Items(), (Items{"DOOM 2: Hell on Earth", "Custom..."}));
        EXPECT_EQ(launcher[MainId::cbIWAD].Selected(), 0);
        EXPECT_EQ(launcher[MainId::cbPWADS].Items(), (Items{"DOOM2.WAD", "maps.wad"}));

        launcher[MainId::btnSave].Click();
        ASSERT_TRUE(launcher.Settle());
        ExpectLaunchFiles(folders.start, DefaultExample(folders.wads));
    }
}

// A computer where the player has games from the stores: Steam, whose own
// library holds the 2024 layout and whose second library, in another folder,
// a classic "base" folder; a GOG game; DOOMWADPATH with two entries, one
// naming a file. The registry values are taken back afterwards.
struct StoreInstalls {
    ScenarioFolders folders;
    std::string steam = folders.root / "Steam";
    std::string rerelease = Folder("Steam\\steamapps\\common\\Ultimate Doom\\rerelease",
                                   {"DOOM.WAD", "DOOM2.WAD", "TNT.WAD", "PLUTONIA.WAD", "id1.wad"});
    std::string ultimate = Folder("Steam\\steamapps\\common\\Ultimate Doom\\base", {"doom.wad"});
    std::string classic = Folder("Library\\steamapps\\common\\Doom 2\\base", {"DOOM2.WAD"});
    std::string tnt = Folder("GOG Games\\Final Doom\\TNT", {"TNT.WAD"});
    std::string plutonia = Folder("GOG Games\\Final Doom\\Plutonia", {"PLUTONIA.WAD"});
    std::string heretic = Folder("WADs\\Heretic", {"HERETIC.WAD", "HEXEN.WAD"});
    // Freedoom beside Strife counts as two more games.
    std::string strife = Folder("WADs\\Strife", {"STRIFE1.WAD", "freedoom1.wad", "FREEDM.WAD"});
    testing::RegistryValue steamPath{HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath"};
    testing::RegistryValue gogPath{HKEY_LOCAL_MACHINE, L"SOFTWARE\\GOG.com\\Games\\1435848742",
                                   L"path"};
    // Both entries written as a person might: a file, and a folder with "/".
    std::string wadPath = heretic + "\\HERETIC.WAD;" + Slashed(strife) + "/";

    StoreInstalls() {
        Folder("Steam\\config", {});
        // Steam lists its own library too; its registry value says "/".
        ListLibraries({steam, folders.root / "Library"});
        steamPath.Set(Wide(Slashed(steam)));
        gogPath.Set(Wide(folders.root / "GOG Games\\Final Doom"));
    }

    void ListLibraries(const std::vector<std::string>& libraries) const {
        std::string vdf = "\"libraryfolders\"\n{\n";
        for (std::size_t i = 0; i < libraries.size(); ++i)
            vdf += "\t\"" + std::to_string(i) + "\"\n\t{\n\t\t\"path\"\t\t\"" +
                   Escaped(libraries[i]) + "\"\n\t}\n";
        folders.root.AddFile("Steam\\config\\libraryfolders.vdf", vdf + "}\n");
    }

    // Every folder found, each once: the most IWADs first, then by path.
    std::vector<std::string> Found() const {
        return {rerelease, strife, heretic, plutonia, tnt, classic, ultimate};
    }

    std::string Folder(const std::string& relative, std::initializer_list<const char*> files) {
        for (std::size_t end = 0; end != std::string::npos;) {
            end = relative.find('\\', end + 1);
            CreateDirectoryA((folders.root / relative.substr(0, end)).c_str(), nullptr);
        }
        for (const char* file : files)
            ScenarioFolders::AddFile(folders.root / relative, file);
        return folders.root / relative;
    }
    static std::string Slashed(std::string path) {
        std::replace(path.begin(), path.end(), '\\', '/');
        return path;
    }
    static std::string Escaped(const std::string& path) {
        std::string escaped;
        for (const char c : path)
            escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
        return escaped;
    }
    static std::wstring Wide(const std::string& text) { return {text.begin(), text.end()}; }
};

// The first start without DOOMWADDIR offers the folder with the most games,
// selected: Enter takes it. Later the dialog shows the WAD directory again,
// and whatever folder a file dialog visited, the rescans read the start
// folder.
TEST(Startup, WithoutDoomWadDirOffersTheFoldersThatHoldGames) {
    SKIP_WITHOUT_REAL_INPUT();
    StoreInstalls stores;
    const ScenarioFolders& folders = stores.folders;
    folders.AddToStart("start.pk3");
    const std::string demos = folders.root.AddFolder("demos");
    ScenarioFolders::AddFile(demos, "HEXDD.WAD");
    ScenarioFolders::AddFile(demos, "demo.lmp");
    ScenarioFolders::AddFile(demos, "demos.pk3");
    RunningLauncher launcher(folders.start,
                             {{"DOOMWADDIR", std::nullopt}, {"DOOMWADPATH", stores.wadPath}});
    const HWND dialog = launcher.WaitForOwnWindow("Directory Setup");
    ASSERT_NE(dialog, nullptr) << "no WAD directory dialog";
    const RemoteControl field(dialog, DirSetupId::leWADDIR);
    EXPECT_EQ(field.Items(), stores.Found());
    EXPECT_EQ(field.Text(), stores.rerelease);
    const HWND edit = FindWindowExA(field.hwnd(), nullptr, "Edit", nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) == edit; })) << "the field has no focus";
    const auto selection = static_cast<DWORD>(SendMessageA(field.hwnd(), CB_GETEDITSEL, 0, 0));
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), stores.rerelease.size()) << "typing replaces it";

    if (!WaitUntil([&] { return KeysGoTo(dialog); }, milliseconds(1000))) ClickAt(dialog, 2, 2);
    PressKeys("Return");
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    const Items rereleaseTitles = {"DOOM 2: Hell on Earth", "The Plutonia Experiment",
                                   "TNT: Evilution", "The Ultimate DOOM", "Custom..."};
    EXPECT_EQ(launcher[MainId::cbIWAD].Items(), rereleaseTitles);

    // A demo picked by browsing into its folder, which holds another IWAD
    // and resource file: the file dialog leaves that folder current.
    launcher[MainId::sbDemo].Click();
    const HWND picker = launcher.WaitForOwnWindow("Select a demo to play");
    ASSERT_NE(picker, nullptr) << "the demo dialog did not open";
    // The name field (cmb13) empties once the dialog has gone into the folder.
    const RemoteControl nameField(picker, 0x47c);
    ASSERT_NE(nameField.hwnd(), nullptr);
    TypeText(demos);
    PressKeys("Return");
    ASSERT_TRUE(WaitUntil([&] { return nameField.Text().empty(); }))
        << "did not go into the folder";
    TypeText("demo.lmp");
    PressKeys("Return");
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Select a demo to play") == 0; }));
    ASSERT_TRUE(launcher.Settle());
    EXPECT_EQ(launcher[MainId::edtPlay].Text(), demos + "\\demo.lmp");

    // WADDIR shows the WAD directory, as before; Cancel rescans the IWADs of
    // the start folder and the WAD directory, not of the demo's folder.
    launcher[MainId::btnWaddir].Click();
    const HWND again = launcher.WaitForOwnWindow("Directory Setup");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(RemoteControl(again, DirSetupId::leWADDIR).Text(), stores.rerelease);
    PressDialogButton(again, DirSetupId::btnCancel);
    ASSERT_TRUE(launcher.Settle());
    EXPECT_EQ(launcher[MainId::cbIWAD].Items(), rereleaseTitles);
    // A typed Add finds names of the start folder, not of the demo's.
    for (const char* name : {"demos.pk3", "start.pk3"}) {
        launcher[MainId::cbPWADS].Type(name);
        launcher[MainId::btnPwads].Click();
        ASSERT_TRUE(launcher.Settle());
    }
    EXPECT_EQ(launcher[MainId::lbPwads].Items(), Items{"start.pk3"});
}

// Steam lists 21,000 libraries: its two, again in other spellings, a third
// whose path is wider than the screen, and many that are not there, side by
// side or apart. DOOMWADPATH also names a folder on a drive letter that is not
// mapped and one on a computer that does not exist. The dialog opens with
// each folder once; its open list stays on the monitor's work area.
TEST(Startup, ALongLibraryListOffersEachFolderOnceInAListThatStaysOnTheScreen) {
    // The test prefix has no games; a computer's own GOG games would join them.
    HKEY gog = nullptr;
    if (!testing::UnderWine() && RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\GOG.com\\Games", 0,
                                               KEY_READ, &gog) == ERROR_SUCCESS) {
        RegCloseKey(gog);
        GTEST_SKIP() << "this computer has games from GOG";
    }
    StoreInstalls stores;
    const std::string& root = stores.folders.root.path();
    const std::string wide = root + "\\" + std::string(246 - root.size() - 30, 'W') +
                             "\\steamapps\\common\\Doom 2\\base";
    stores.Folder(wide.substr(root.size() + 1), {"DOOM2.WAD"});
    std::vector<std::string> libraries = {stores.steam, stores.folders.root / "Library",
                                          wide.substr(0, wide.size() - 29)};
    for (const std::string& library : {stores.steam, stores.folders.root / "Library"})
        for (const std::string& spelling : {StoreInstalls::Slashed(library) + "/", library + "\\"})
            libraries.push_back(spelling);
    for (int i = 0; i < 21000; ++i)
        libraries.push_back(root + (i < 20000 ? "\\Gone\\" : "\\Gone" + std::to_string(i) + "\\") +
                            "Library" + std::to_string(i));
    stores.ListLibraries(libraries);
    std::string unmapped = "A:\\wads";
    for (const DWORD drives = GetLogicalDrives(); drives & (1u << (unmapped[0] - 'A'));)
        ++unmapped[0];
    RunningLauncher launcher(
        stores.folders.start,
        {{"DOOMWADDIR", std::nullopt},
         {"DOOMWADPATH", stores.wadPath + ";" + unmapped + ";\\\\tarnwick-no-host\\share\\wads"}});
    const HWND dialog = launcher.WaitForOwnWindow("Directory Setup");
    ASSERT_NE(dialog, nullptr) << "no WAD directory dialog";
    const RemoteControl field(dialog, DirSetupId::leWADDIR);
    std::vector<std::string> found = stores.Found();
    found.push_back(wide);
    EXPECT_EQ(field.Items(), found);

    SendMessageA(field.hwnd(), CB_SHOWDROPDOWN, TRUE, 0);
    const HWND list = DroppedList();
    ASSERT_NE(list, nullptr) << "the list did not open";
    RECT shown{};
    RECT box{};
    GetWindowRect(list, &shown);
    GetWindowRect(field.hwnd(), &box);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(field.hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    RECT within{};
    IntersectRect(&within, &shown, &monitor.rcWork);
    EXPECT_TRUE(EqualRect(&within, &shown)) << "the list runs off the work area";
    EXPECT_GT(shown.right - shown.left, box.right - box.left)
        << "the list is no wider than its box";
    SendMessageA(field.hwnd(), CB_SHOWDROPDOWN, FALSE, 0);
    PressDialogButton(dialog, DirSetupId::btnCancel);
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
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
    EXPECT_EQ(RemoteControl(dialog, DirSetupId::leWADDIR).Text(), scenario.folders.wads);
    PressDialogButton(dialog, DirSetupId::btnCancel);
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

// A second start with a saved set and without DOOMWADDIR: the WAD directory
// dialog offers the saved set's folder, selected. The person types another
// and presses Enter: it stands after Load, and Save writes it. A Cancel keeps
// the saved set's folder, as before.
TEST(Startup, TheWadFolderConfirmedAtASecondStartStandsAndIsSaved) {
    SKIP_WITHOUT_REAL_INPUT();
    ScenarioFolders folders;
    SaveDefaultExample(folders.start, folders.wads);
    const std::string heretic = folders.root.AddFolder("heretic");
    ScenarioFolders::AddFile(heretic, "HERETIC.WAD");
    const Items titles = {"DOOM 2: Hell on Earth", kHeretic, "Custom..."};
    for (const bool confirmed : {true, false}) {
        SCOPED_TRACE(confirmed ? "Enter" : "Cancel");
        RunningLauncher launcher(folders.start, {{"DOOMWADDIR", std::nullopt}});
        const HWND dialog = launcher.WaitForOwnWindow("Directory Setup");
        ASSERT_NE(dialog, nullptr) << "no WAD directory dialog";
        const RemoteControl field(dialog, DirSetupId::leWADDIR);
        EXPECT_EQ(field.Text(), confirmed ? folders.wads : heretic) << "not the saved folder";
        if (confirmed) {
            const HWND edit = FindWindowExA(field.hwnd(), nullptr, "Edit", nullptr);
            ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) == edit; }));
            if (!WaitUntil([&] { return KeysGoTo(dialog); }, milliseconds(1000)))
                ClickAt(dialog, 2, 2);
            TypeText(heretic); // replaces the selected folder
            PressKeys("Return");
        } else {
            field.Type(folders.wads);
            PressDialogButton(dialog, DirSetupId::btnCancel);
        }
        ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
        // The saved IWAD lies in the start folder, the heretic one in the WAD folder.
        EXPECT_EQ(launcher[MainId::cbIWAD].Items(), titles);
        EXPECT_EQ(launcher[MainId::cbIWAD].Text(), "Custom...");
        launcher[MainId::btnSave].Click();
        ASSERT_TRUE(launcher.Settle());
        ExpectLaunchFiles(folders.start, DefaultExample(heretic));
        launcher[MainId::btnExit].Click();
        ASSERT_TRUE(launcher.process().WaitForExit());
    }
}

// The share of a window's client area, as the screen shows it, in each of two
// system colours.
struct ColourShares {
    double buttonFace = 0;
    double fieldBackground = 0;
};

ColourShares SeenColours(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const HDC screen = GetDC(nullptr);
    const HDC copy = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ previous = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
    int face = 0, field = 0, all = 0;
    for (int y = 0; y < client.bottom; y += 5)
        for (int x = 0; x < client.right; x += 5, ++all) {
            const COLORREF pixel = GetPixel(copy, x, y);
            face += pixel == GetSysColor(COLOR_BTNFACE);
            field += pixel == GetSysColor(COLOR_WINDOW);
        }
    SelectObject(copy, previous);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    return {double(face) / all, double(field) / all};
}

// With a saved list of 50,000 files the start-up sequence takes a while;
// meanwhile the person sees the window with its controls, not an empty frame.
TEST(Startup, TheWindowIsPaintedBeforeTheSequenceRuns) {
    ScenarioFolders folders;
    folders.AddToStart("DOOM2.WAD");
    std::string names = "-file";
    for (int i = 0; i < 50000; ++i)
        names += " name" + std::to_string(i) + ".wad";
    LaunchFileSet saved = DefaultExample(folders.wads);
    saved.rsp = CrLfLines({"-iwad \"doom2.wad\"", names, "+exec qorvex.cfg"});
    WriteLaunchFileSet(folders.start, saved);

    // Not waiting for the launcher to be idle, which it is only at the end.
    LauncherProcess launcher(folders.start, {{"DOOMWADDIR", folders.wads}}, false);
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            // Read without a message to the launcher, which is busy.
            window = FindWindowA(nullptr, "Tarnwick Pro");
            return window != nullptr && IsWindowVisible(window);
        },
        kPatience, milliseconds(1)));
    const HWND source = RemoteControl(window, MainId::cbSource).hwnd();
    bool paintedBeforeReady = false;
    ASSERT_TRUE(WaitUntil(
        [&] {
            const ColourShares seen = SeenColours(window);
            const bool ready = FocusOf(window) == source;
            // The fields' white and the face colour around them.
            paintedBeforeReady |= !ready && seen.buttonFace > 0.3 && seen.fieldBackground > 0.05;
            return ready;
        },
        kPatience, milliseconds(0)))
        << kNotReady;
    EXPECT_TRUE(paintedBeforeReady) << "the window was empty until the sequence ended";
}

std::string RandomBytes(std::mt19937& random, std::size_t size) {
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    return bytes;
}

constexpr char kRunLine[] = "gzdoom.exe @qorvex.rsp";
const std::string kConsoleScript =
    CrLfLines({"skill 3", "fraglimit 0", "timelimit 0", "sv_gravity 800.00",
               "sv_aircontrol 0.00390625", "teamdamage 0"});

// Launch files that no save of ours wrote, and a folder or a program in the
// way: the launcher starts, shows at most one error box, its window works,
// and no file changes, since the user does not save.
TEST(Startup, HostileLaunchFilesShowAtMostOneErrorBoxAndChangeNothing) {
    struct Hostile {
        const char* what;
        std::function<void(const ScenarioFolders&)> prepare;
        int errorBoxes; // -1: none or one
        int listed = 0; // the entries the file list shows afterwards
        bool holdResponseFile = false;
        // Whether the saved WAD folder cannot be listed, which the launcher
        // says and asks about (answered No here); -1: may.
        int folderQuestions = 0;
    };
    std::mt19937 random(11);
    const auto batchFile = [](const ScenarioFolders& folders) {
        return CrLfLines({"set DOOMWADDIR=" + folders.wads, kRunLine});
    };
    std::string fiftyThousandNames = "-file";
    for (int i = 0; i < 50000; ++i)
        fiftyThousandNames += " name" + std::to_string(i) + ".wad";
    std::string fourMegabytes;
    while (fourMegabytes.size() < 3 * 1024 * 1024)
        fourMegabytes += CrLfLines({"+map MAP01", "-port 5029", "-nomusic -width 640"});
    fourMegabytes += CrLfLines({std::string(1024 * 1024, 'x'), "+exec qorvex.cfg"});

    const Hostile cases[] = {
        {"random bytes with NULs",
         [&](const ScenarioFolders& folders) {
             WriteLaunchFileSet(folders.start,
                                {RandomBytes(random, 4096) + "\r\n+exec qorvex.cfg\r\n" +
                                     RandomBytes(random, 4096),
                                 RandomBytes(random, 4096),
                                 "set DOOMWADDIR=" + RandomBytes(random, 300) + "\r\n" + kRunLine});
         },
         -1, 0, false, -1},
        {"a response file of 4 MB with a line of 1 MB",
         [&](const ScenarioFolders& folders) {
             WriteLaunchFileSet(folders.start, {fourMegabytes, kConsoleScript, batchFile(folders)});
         },
         0},
        {"a batch file whose first line is 1 MB",
         [&](const ScenarioFolders& folders) {
             WriteLaunchFileSet(
                 folders.start,
                 {CrLfLines({"+exec qorvex.cfg"}), kConsoleScript,
                  CrLfLines({"set DOOMWADDIR=" + std::string(1024 * 1024, 'w'), kRunLine})});
         },
         -1, 0, false, 1},
        {"50,000 names on one -file line",
         [&](const ScenarioFolders& folders) {
             WriteLaunchFileSet(folders.start, {CrLfLines({fiftyThousandNames, "+exec qorvex.cfg"}),
                                                kConsoleScript, batchFile(folders)});
         },
         0, 50000},
        {"a folder named qorvex.bat",
         [](const ScenarioFolders& folders) { folders.root.AddFolder("start\\qorvex.bat"); }, 0},
        {"a response file another program holds open",
         [&](const ScenarioFolders& folders) {
             WriteLaunchFileSet(folders.start, {CrLfLines({"-file held.wad", "+exec qorvex.cfg"}),
                                                kConsoleScript, batchFile(folders)});
         },
         1, 0, true},
    };

    for (const Hostile& hostile : cases) {
        SCOPED_TRACE(hostile.what);
        ScenarioFolders folders;
        hostile.prepare(folders);
        const auto before = Contents(folders.start);
        std::optional<HeldFile> held;
        if (hostile.holdResponseFile) held.emplace(folders.start + "\\qorvex.rsp");
        RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
        ASSERT_NE(launcher.window(), nullptr) << "no main window";

        // The start-up sequence ends with the focus on cbSource, or early
        // with an error box.
        const HWND source = launcher[MainId::cbSource].hwnd();
        HWND box = nullptr;
        int questions = 0;
        ASSERT_TRUE(WaitUntil([&] {
            if (const HWND question = launcher.WaitForOwnWindow("Warning", milliseconds(0))) {
                EXPECT_EQ(
                    MessageBoxText(question).rfind("The WAD directory of the saved settings,", 0),
                    0u);
                PressDialogButton(question, IDNO);
                ++questions;
                WaitUntil([&] { return launcher.CountWindows("Warning") == 0; });
            }
            box = launcher.WaitForOwnWindow("Tarnwick", milliseconds(0));
            return box != nullptr || FocusOf(launcher.window()) == source;
        })) << kNotReady;
        EXPECT_TRUE(hostile.folderQuestions < 0 ? questions <= 1
                                                : questions == hostile.folderQuestions)
            << questions;
        int boxes = 0;
        if (box != nullptr) {
            boxes = launcher.CountWindows("Tarnwick");
            PressDialogButton(box, IDOK);
            ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Tarnwick") == 0; }));
        }
        ASSERT_TRUE(launcher.Settle()) << "the window does not answer";
        EXPECT_EQ(VisibleWindows(launcher.id()).size(), 1u) << "another box or dialog";
        EXPECT_TRUE(hostile.errorBoxes < 0 ? boxes <= 1 : boxes == hostile.errorBoxes) << boxes;
        EXPECT_EQ(launcher[MainId::lbPwads].ItemCount(), hostile.listed);
        launcher[MainId::edtMap].Type("MAP05");
        ASSERT_TRUE(launcher.Settle());
        EXPECT_EQ(launcher[MainId::edtMap].Text(), "MAP05");

        PostMessageA(launcher.window(), WM_CLOSE, 0, 0);
        ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end";
        held.reset();
        EXPECT_TRUE(Contents(folders.start) == before) << "a file changed without a save";
    }
}

} // namespace
} // namespace tarnwick::e2e
