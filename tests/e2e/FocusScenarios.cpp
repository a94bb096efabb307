// The keyboard focus and modality as a person meets them, with real clicks
// and key presses: every modal window gives the focus back to the control
// that had it, the file dialogs keep their size but one, the New folder box
// holds the folder browser, and Alt with Enter or Delete still acts.
#include "DirSetupControlIds.h"
#include "FlagsControlIds.h"
#include "LayoutProbe.h"
#include "UnixCommand.h"
#include "RealInput.h"
#include "RunningLauncher.h"
#include "ScenarioFolders.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tarnwick::e2e {
namespace {

constexpr char kNotReady[] = "the start-up sequence never gave the focus to cbSource";

bool Resizable(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_THICKFRAME) != 0; }

// Waits until the focus is on the window; false when it never gets there.
// Under Wine without a window manager the X focus can leave the program as a
// dialog closes: then none of its windows is active, or one is but the keys
// go elsewhere. A click on an empty place of the window brings both back, as
// a person would do.
bool FocusReaches(HWND any, HWND expected) {
    const HWND root = GetAncestor(expected, GA_ROOT);
    const auto keysReachTheProgram = [&] {
        const HWND active = ActiveOf(any);
        return active != nullptr && KeysGoTo(active);
    };
    if (!WaitUntil(keysReachTheProgram, milliseconds(1000))) ClickAt(root, 2, 2);
    return WaitUntil([&] { return FocusOf(any) == expected; }, milliseconds(5000));
}

// Opens a dialog with a real click or key, checks whether the person can
// resize it, and closes it with Escape.
void OpenAndEscape(const RunningLauncher& launcher, const std::string& caption, bool resizable) {
    SCOPED_TRACE(caption);
    const HWND dialog = launcher.WaitForOwnWindow(caption);
    ASSERT_NE(dialog, nullptr) << "the dialog did not open";
    EXPECT_EQ(Resizable(dialog), resizable);
    PressKeys("Escape");
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows(caption) == 0; }));
}

TEST(Focus, EveryFileDialogGivesItBackAndOnlyTheResourceDialogResizes) {
    SKIP_WITHOUT_REAL_INPUT();
    ScenarioFolders folders;
    folders.AddToStart("DOOM2.WAD");
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    const HWND map = launcher[MainId::edtMap].hwnd();

    // The "..." buttons leave the focus where it is.
    ClickOn(map);
    TypeText("MAP0");
    for (const auto& [button, caption] : {std::pair{MainId::sbRecord, "Record a demo..."},
                                          std::pair{MainId::sbDemo, "Select a demo to play"},
                                          std::pair{MainId::sbSave, "Load a saved game"}}) {
        ClickOn(launcher[button].hwnd());
        OpenAndEscape(launcher, caption, false);
        EXPECT_TRUE(FocusReaches(map, map)) << caption;
    }
    TypeText("7");
    EXPECT_EQ(launcher[MainId::edtMap].Text(), "MAP07") << "typing goes where the focus was";

    ClickOn(launcher[MainId::btnOdWads].hwnd());
    OpenAndEscape(launcher, "Select files to use", true);
    EXPECT_TRUE(FocusReaches(map, launcher[MainId::btnOdWads].hwnd()));

    // The Custom... entries, chosen with the keyboard.
    for (const auto& [list, caption] : {std::pair{MainId::cbSource, "Select a custom executable"},
                                        std::pair{MainId::cbIWAD, "Select a custom IWAD"}}) {
        const HWND box = launcher[list].hwnd();
        ClickOn(box); // drops the list down
        PressKeys("Escape");
        ASSERT_TRUE(FocusReaches(map, box));
        PressKeys("End");
        OpenAndEscape(launcher, caption, false);
        EXPECT_TRUE(FocusReaches(map, box)) << caption;
        EXPECT_EQ(launcher[list].Text(), "Custom...");
        // At the end of the list an arrow changes nothing, and opens nothing.
        PressKeys("Down");
        Sleep(300);
        ASSERT_TRUE(launcher.Settle());
        EXPECT_EQ(launcher.CountWindows(caption), 0) << "opened again without a change";

        // Chosen again in the open list, by Enter or by a click on it, it
        // opens again; the list opened and closed by clicks on the box opens
        // nothing.
        ClickOn(box);
        PressKeys("Return");
        OpenAndEscape(launcher, caption, false);
        EXPECT_TRUE(FocusReaches(map, box)) << caption;
        // A second click on the same place soon after would be a double
        // click, which a drop-down box under Wine does not take for a click.
        Sleep(GetDoubleClickTime());
        ClickOn(box);
        const HWND dropped = DroppedList();
        ASSERT_NE(dropped, nullptr) << "the list did not open";
        const int itemHeight = int(SendMessageA(dropped, LB_GETITEMHEIGHT, 0, 0));
        const int count = int(SendMessageA(dropped, LB_GETCOUNT, 0, 0));
        ClickAt(dropped, 20, itemHeight * count - itemHeight / 2); // "Custom...", the last
        OpenAndEscape(launcher, caption, false);
        EXPECT_TRUE(FocusReaches(map, box)) << caption;
        Sleep(GetDoubleClickTime());
        ClickOn(box);
        ASSERT_NE(DroppedList(), nullptr);
        Sleep(GetDoubleClickTime());
        ClickOn(box);
        Sleep(300);
        ASSERT_TRUE(launcher.Settle());
        EXPECT_EQ(launcher.CountWindows(caption), 0) << "opened by a list that closed";
        EXPECT_EQ(launcher[list].Text(), "Custom...");
    }
}

TEST(Focus, TheDialogsAndBoxesGiveItBackAndTheNewFolderBoxHoldsTheBrowser) {
    SKIP_WITHOUT_REAL_INPUT();
    ScenarioFolders folders;
    // The browser selects folders on the C: drive reliably once they were read.
    WIN32_FIND_DATAA entry;
    FindClose(FindFirstFileA((folders.wads + "\\*").c_str(), &entry));
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    const HWND any = launcher.window();

    // The WAD directory dialog starts in its field; the folder browser gives
    // the focus back to "Change...", the dialog to "WADDIR".
    const HWND waddir = launcher[MainId::btnWaddir].hwnd();
    ClickOn(waddir);
    const HWND dirSetup = launcher.WaitForOwnWindow("Directory Setup");
    ASSERT_NE(dirSetup, nullptr);
    // The field is an editable drop-down: the focus is in its edit.
    const HWND field = RemoteControl(dirSetup, DirSetupId::leWADDIR).hwnd();
    EXPECT_TRUE(FocusReaches(any, FindWindowExA(field, nullptr, "Edit", nullptr)));
    const HWND change = RemoteControl(dirSetup, DirSetupId::btnChWadDir).hwnd();
    ClickOn(change);
    const HWND browser = launcher.WaitForOwnWindow("Browse for Folder");
    ASSERT_NE(browser, nullptr);

    // While the New folder box asks, the browser takes no clicks: neither
    // its OK nor a second New folder.
    const HWND newFolder = GetDlgItem(browser, 255);
    ClickOn(newFolder);
    const HWND box = launcher.WaitForOwnWindow("New folder");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), browser);
    EXPECT_FALSE(IsWindowEnabled(browser));
    ClickOn(GetDlgItem(browser, IDOK));
    ClickOn(newFolder);
    Sleep(300);
    EXPECT_EQ(launcher.CountWindows("New folder"), 1);
    EXPECT_EQ(launcher.CountWindows("Browse for Folder"), 1);
    PressKeys("Escape");
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("New folder") == 0; }));
    EXPECT_TRUE(IsWindowEnabled(browser));
    EXPECT_TRUE(WaitUntil([&] { return ActiveOf(any) == browser; }, milliseconds(5000)))
        << "the box returns to the browser";
    PressKeys("Escape");
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Browse for Folder") == 0; }));
    EXPECT_TRUE(FocusReaches(any, change));
    PressKeys("Escape");
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Directory Setup") == 0; }));
    EXPECT_TRUE(FocusReaches(any, waddir));

    // The DMFLAGS dialog: its box, then its first check box; closed, back to
    // the button that opened it.
    const HWND edmf = launcher[MainId::btnEDMF].hwnd();
    ClickOn(edmf);
    const HWND flags = launcher.WaitForOwnWindow("Additional Flags");
    ASSERT_NE(flags, nullptr);
    ASSERT_NE(launcher.WaitForOwnWindow("Tarnwick"), nullptr) << "no information box";
    PressKeys("Return");
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Tarnwick") == 0; }));
    EXPECT_TRUE(FocusReaches(any, RemoteControl(flags, FlagsId::CheckBox1).hwnd()));
    PressKeys("alt+F4");
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Additional Flags") == 0; }));
    EXPECT_TRUE(FocusReaches(any, edmf));

    // The error box of a failed save.
    const HWND save = launcher[MainId::btnSave].hwnd();
    {
        ScenarioFolders::AddFile(folders.start, "qorvex.bat");
        const HeldFile held(folders.start + "\\qorvex.bat");
        ClickOn(save);
        ASSERT_NE(launcher.WaitForOwnWindow("Tarnwick"), nullptr) << "no error box";
        PressKeys("Return");
        ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Tarnwick") == 0; }));
    }
    EXPECT_TRUE(FocusReaches(any, save));
}

// The keys that stand in for buttons that take no focus: Ctrl with an arrow
// moves a file as the up and down buttons do, F4 and Alt+Down open the
// dialog of a field's "..." button.
TEST(Keys, AltWithEnterAddsWithDeleteRemovesCtrlArrowsMoveF4OpensAndAltF4Closes) {
    SKIP_WITHOUT_REAL_INPUT();
    ScenarioFolders folders;
    folders.AddToWads("maps.wad");
    folders.AddToWads("a.wad");
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    const RemoteControl files = launcher[MainId::lbPwads];

    ClickOn(launcher[MainId::cbPWADS].hwnd());
    TypeText("maps.wad");
    PressKeys("alt+Return");
    ASSERT_TRUE(WaitUntil([&] { return files.Items().size() == 1; })) << "Alt+Enter added nothing";
    PressKeys("shift+Return");
    ASSERT_TRUE(WaitUntil([&] { return files.Items().size() == 2; }));

    ClickAt(files.hwnd(), 20, 5); // the first item
    ASSERT_TRUE(WaitUntil([&] { return files.ListSelected() == 0; }));
    PressKeys("alt+Delete");
    ASSERT_TRUE(WaitUntil([&] { return files.Items().size() == 1; })) << "Alt+Del removed nothing";

    ClickOn(launcher[MainId::cbPWADS].hwnd());
    launcher[MainId::cbPWADS].Type("a.wad");
    PressKeys("Return");
    ASSERT_TRUE(WaitUntil([&] { return files.Items().size() == 2; }));
    ClickAt(files.hwnd(), 20, 5);
    ASSERT_TRUE(WaitUntil([&] { return files.ListSelected() == 0; }));
    using Items = std::vector<std::string>;
    for (const auto& [keys, items, selected] :
         {std::tuple{"ctrl+Down", Items{"a.wad", "maps.wad"}, 1},
          std::tuple{"ctrl+Down", Items{"a.wad", "maps.wad"}, 1}, // at the end: nothing moves
          std::tuple{"ctrl+Up", Items{"maps.wad", "a.wad"}, 0}}) {
        PressKeys(keys);
        Sleep(200);
        ASSERT_TRUE(launcher.Settle());
        EXPECT_EQ(files.Items(), items) << keys;
        EXPECT_EQ(files.ListSelected(), selected) << keys;
    }

    for (const auto& [field, keys, caption] :
         {std::tuple{MainId::edtDemo, "F4", "Record a demo..."},
          std::tuple{MainId::edtPlay, "alt+Down", "Select a demo to play"},
          std::tuple{MainId::edtSave, "F4", "Load a saved game"}}) {
        ClickOn(launcher[field].hwnd());
        PressKeys(keys);
        ASSERT_NE(launcher.WaitForOwnWindow(caption), nullptr) << keys << " opened nothing";
        PressKeys("Escape");
        ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows(caption) == 0; }));
    }

    // A screen reader, another process, hears the names of the buttons that
    // stand in for those keys.
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    EXPECT_EQ(forms::AccessibleNameOf(launcher[MainId::sbUp].hwnd()), "Move the selected file up");
    EXPECT_EQ(forms::AccessibleNameOf(launcher[MainId::sbDemo].hwnd()), "Select a demo to play");
    CoUninitialize();

    PressKeys("alt+F4");
    EXPECT_TRUE(launcher.process().WaitForExit()) << "Alt+F4 no longer closes the window";
}

} // namespace
} // namespace tarnwick::e2e
