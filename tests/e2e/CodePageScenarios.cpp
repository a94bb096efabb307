// Names of the system's own code page from start to Run and back: on a
// double-byte system names whose last or inner character has "\" (0x5C) as
// its second byte; on others Cyrillic or accented letters. Registered for
// other systems' locales too (ja_JP, zh_TW, ru_RU, fr_FR).
#include "CodePageNames.h"
#include "DirSetupControlIds.h"
#include "FolderTestTree.h"
#include "LaunchFileSet.h"
#include "RealInput.h"
#include "RunningLauncher.h"
#include "TempFolder.h"
#include "UnixCommand.h"

#include <gtest/gtest.h>

namespace tarnwick::e2e {
namespace {

using testing::FileText;
using testing::FolderExists;
using Items = std::vector<std::string>;

constexpr char kNotReady[] = "the start-up sequence never gave the focus to cbSource";

std::wstring WideOf(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(std::size_t(MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()),
                                                wide.data(), int(wide.size()))));
    return wide;
}

// The static texts of a dialog: the folder browser's title and status line.
Items StaticTexts(HWND dialog) {
    Items texts;
    for (HWND child = FindWindowExA(dialog, nullptr, "Static", nullptr); child;
         child = FindWindowExA(dialog, child, "Static", nullptr)) {
        char text[512] = "";
        GetWindowTextA(child, text, sizeof text);
        texts.emplace_back(text);
    }
    return texts;
}

// The launcher's folder browser, other than `earlier`: found by its tree, as
// its caption follows the system's language.
HWND WaitForBrowser(const RunningLauncher& launcher, HWND earlier = nullptr) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (const auto& [window, caption] : VisibleWindows(launcher.id()))
            if (window != earlier && FindWindowExA(window, nullptr, "SysTreeView32", nullptr))
                found = window;
        return found != nullptr;
    });
    return found;
}

// A visible window of the launcher that the given window owns.
HWND WaitForOwned(const RunningLauncher& launcher, HWND owner) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (const auto& [window, caption] : VisibleWindows(launcher.id()))
            if (GetWindow(window, GW_OWNER) == owner) found = window;
        return found != nullptr;
    });
    return found;
}

// The main window as the screen shows it, into a PNG file of the Unix side,
// when TARNWICK_SCREENSHOT names one (for the documentation).
void TakeScreenshot(HWND window) {
    char file[1024] = "";
    if (!GetEnvironmentVariableA("TARNWICK_SCREENSHOT", file, sizeof file)) return;
    RECT place{};
    GetWindowRect(window, &place);
    const std::string geometry = std::to_string(place.right - place.left) + "x" +
                                 std::to_string(place.bottom - place.top) + "+" +
                                 std::to_string(place.left) + "+" + std::to_string(place.top);
    EXPECT_EQ(testing::RunUnixCommand("import -window root -crop " + geometry + " +repage " +
                                      testing::ShellWord(file)),
              0);
}

// Start folder, WAD folder and port folder named in the system's code page;
// the scans, Add, the folder browser with New folder, Save into the start
// folder; then read back, saved again byte for byte, and Run.
TEST(CodePage, NamesOfTheSystemFromTheScansToRunAndBack) {
    SKIP_WITHOUT_REAL_INPUT();
    const testing::CodePageNames& names = testing::NamesOfThisCodePage();
    const testing::FolderTestTree tree("codepage");
    // Ending in such a character, and holding one inside.
    tree.AddFolder(names.word);
    const std::string start = tree.AddFolder(names.word + "\\" + names.trail);
    // The WAD folder and the one New folder makes in it stay within the status
    // line's 50 characters; on a double-byte system they are longer in bytes.
    std::string wadParent = names.trail;
    while (WideOf(wadParent + names.word).size() <= 12)
        wadParent += names.word;
    tree.AddFolder(wadParent);
    const std::string wads = tree.AddFolder(wadParent + "\\" + names.trail);
    const std::string made = wads + "\\" + names.name;
    ASSERT_LE(WideOf(made).size(), 50u);
    if (CPINFO codePage{}; GetCPInfo(CP_ACP, &codePage) && codePage.MaxCharSize == 2) {
        EXPECT_GT(made.size(), 50u);
    }
    const std::string port = tree.AddFolder(names.name) + "\\recording_port.exe";
    ASSERT_TRUE(CopyFileA(ProgramPath("RECORDING_PORT").c_str(), port.c_str(), FALSE));
    tree.AddFile(wadParent + "\\" + names.trail + "\\DOOM2.WAD");
    const std::string inWads = names.word + ".wad";
    const std::string inStart = names.trail + ".wad";
    tree.AddFile(wadParent + "\\" + names.trail + "\\" + inWads);
    tree.AddFile(names.word + "\\" + names.trail + "\\" + inStart);

    LaunchFileSet saved;
    {
        RunningLauncher launcher(start, {{"DOOMWADDIR", wads}});
        ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
        // The scans list both folders' files.
        EXPECT_EQ(launcher[MainId::cbIWAD].Items(), (Items{"DOOM 2: Hell on Earth", "Custom..."}));
        EXPECT_EQ(launcher[MainId::cbIWAD].Selected(), 0);
        const Items candidates = launcher[MainId::cbPWADS].Items();
        EXPECT_NE(std::find(candidates.begin(), candidates.end(), inWads), candidates.end());
        EXPECT_NE(std::find(candidates.begin(), candidates.end(), inStart), candidates.end());

        // Add of typed names, from either folder.
        for (const std::string& name : {inWads, inStart}) {
            launcher[MainId::cbPWADS].Type(name);
            launcher[MainId::btnPwads].Click();
            ASSERT_TRUE(launcher.Settle());
        }
        EXPECT_EQ(launcher[MainId::lbPwads].Items(), (Items{inWads, inStart}));

        // The folder browser opens at the WAD folder and shows it whole in its
        // status line (fewer than 50 characters, more than 50 bytes on a
        // double-byte system); New folder makes the typed name below it.
        ClickOn(launcher[MainId::btnWaddir].hwnd());
        const HWND dirSetup = launcher.WaitForOwnWindow("Directory Setup");
        ASSERT_NE(dirSetup, nullptr);
        ClickOn(RemoteControl(dirSetup, DirSetupId::btnChWadDir).hwnd());
        const HWND browser = WaitForBrowser(launcher);
        ASSERT_NE(browser, nullptr);
        Items status = StaticTexts(browser);
        EXPECT_NE(std::find(status.begin(), status.end(), wads), status.end()) << wads;
        ClickOn(GetDlgItem(browser, 255));
        const HWND box = WaitForOwned(launcher, browser);
        ASSERT_NE(box, nullptr) << "no New folder box";
        RemoteControl(box, 101).Type(names.name);
        PressKeys("Return");
        const HWND reopened = WaitForBrowser(launcher, browser);
        ASSERT_NE(reopened, nullptr) << "the browser did not reopen";
        EXPECT_TRUE(FolderExists(made));
        EXPECT_FALSE(FolderExists(wads + names.name)) << "made beside the WAD folder";
        ASSERT_TRUE(WaitUntil([&] {
            status = StaticTexts(reopened);
            return std::find(status.begin(), status.end(), made) != status.end();
        })) << made;
        PressDialogButton(reopened, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(reopened); }));
        EXPECT_EQ(RemoteControl(dirSetup, DirSetupId::leWADDIR).Text(), made);
        RemoteControl(dirSetup, DirSetupId::btnCancel).Click();
        ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Directory Setup") == 0; }));

        // The port, chosen in its file dialog.
        launcher[MainId::cbSource].Choose(3);
        const HWND executable = launcher.WaitForOwnWindow("Select a custom executable");
        ASSERT_NE(executable, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(executable) != nullptr; }));
        const std::wstring portText = WideOf(port);
        SendMessageW(FocusOf(executable), WM_SETTEXT, 0, LPARAM(portText.c_str()));
        PressKeys("Return");
        ASSERT_TRUE(
            WaitUntil([&] { return launcher.CountWindows("Select a custom executable") == 0; }));
        ASSERT_TRUE(launcher.Settle());
        TakeScreenshot(launcher.window());

        launcher[MainId::btnSave].Click();
        ASSERT_TRUE(launcher.Settle());
        EXPECT_EQ(launcher.CountWindows("Tarnwick"), 0) << "an error box";
        saved = ReadLaunchFileSet(start);
        EXPECT_NE(saved.bat, "<missing>");
        EXPECT_NE(saved.rsp, "<missing>");
        EXPECT_NE(saved.cfg, "<missing>");
        EXPECT_EQ(FileText(start + "qorvex.bat"), "<missing>") << "saved beside the start folder";
        launcher[MainId::btnExit].Click();
        ASSERT_TRUE(launcher.process().WaitForExit());
    }

    // Read back as saved (the WAD folder from the batch file, over another
    // one from the environment), saved again byte for byte, and run.
    RunningLauncher launcher(start, {{"DOOMWADDIR", tree.Root()}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    EXPECT_EQ(launcher[MainId::cbSource].Text(), "Custom...");
    // The saved IWAD comes back as its file name, the custom choice.
    EXPECT_EQ(launcher[MainId::cbIWAD].Text(), "Custom...");
    EXPECT_EQ(launcher[MainId::lbPwads].Items(), (Items{inWads, inStart}));
    launcher[MainId::btnSave].Click();
    ASSERT_TRUE(launcher.Settle());
    EXPECT_EQ(ReadLaunchFileSet(start), saved);

    launcher[MainId::btnRun].Click();
    ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end after Run";
    const std::string record = start + "\\port-record.txt";
    ASSERT_TRUE(WaitUntil([&] { return FileText(record).find("console=") != std::string::npos; }))
        << "the port was not started";
    const std::string recorded = FileText(record);
    for (const std::string& line : {"program=" + port, "folder=" + start, "DOOMWADDIR=" + wads})
        EXPECT_NE(recorded.find(testing::Utf8FromAnsi(line) + "\r\n"), std::string::npos)
            << line << " in\n"
            << recorded;
}

} // namespace
} // namespace tarnwick::e2e
