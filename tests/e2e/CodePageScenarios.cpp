// Names of the system's own code page from start to Run and back: on a
// double-byte system names whose last or inner character has "\" (0x5C) as
// its second byte; on others Cyrillic or accented letters. Then names from
// elsewhere: a set saved on another system, names typed and pasted and a
// start folder that the code page lacks letters of, and on UTF-8 (65001) the
// lengths of long names. Registered for other systems' locales too (ja_JP,
// zh_TW, zh_CN, ko_KR, ru_RU, fr_FR, hi_IN).
#include "CodePageNames.h"
#include "DirSetupControlIds.h"
#include "Examples.h"
#include "FolderTestTree.h"
#include "LaunchFileSet.h"
#include "RealInput.h"
#include "RunningLauncher.h"
#include "ScenarioFolders.h"
#include "SystemLetters.h"
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

// Wide text as UTF-8, and as ANSI the way a program without care gets it:
// with the system's best fit, a look-alike for a letter the code page lacks.
std::string Utf8Of(const std::wstring& text) {
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(std::size_t(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()),
                                                utf8.data(), int(utf8.size()), nullptr, nullptr)));
    return utf8;
}
std::string BestFitOf(const std::wstring& text) {
    std::string ansi(text.size() * 2, '\0');
    ansi.resize(std::size_t(WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()),
                                                ansi.data(), int(ansi.size()), nullptr, nullptr)));
    return ansi;
}

// The field of an editable combo box, where keys and pastes go.
HWND FieldOf(const RemoteControl& box) {
    return FindWindowExA(box.hwnd(), nullptr, "Edit", nullptr);
}

// The launcher's error box after what was posted to it or typed: its text in
// UTF-8, once closed; "" when none came.
std::string ErrorBoxOf(const RunningLauncher& launcher) {
    EXPECT_TRUE(launcher.Settle()) << "the launcher does not answer";
    // Keys reach it through the X server, which may come after the posted.
    const HWND box = launcher.WaitForOwnWindow("Tarnwick", milliseconds(2000));
    if (box == nullptr) return "";
    const std::string text = MessageBoxUtf8Text(box);
    PressDialogButton(box, IDOK);
    WaitUntil([&] { return launcher.CountWindows("Tarnwick") == 0; });
    return text;
}

// Names with a letter that the code page lacks (ñ, where it has a look-alike
// "n" by best fit, or a Cyrillic, Greek, Japanese or Devanagari one): a set
// saved in UTF-8 on another system, such names typed into Files, pasted into
// a field and into the WAD directory field, and a start folder so named. The
// launcher shows each name whole where it refuses it, keeps a lost letter
// visible as "?", never takes the look-alike, and says once at the start what
// it could not read.
TEST(CodePage, NamesTheCodePageLacksAreShownWholeAndNeverTakenForALookAlike) {
    SKIP_WITHOUT_REAL_INPUT();
    BOOL lacksEnye = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, L"\u00F1", 1, nullptr, 0, nullptr,
                        &lacksEnye);
    const std::wstring letter = lacksEnye ? L"\u00F1" : testing::LetterOutsideTheCodePage();
    if (letter.empty()) GTEST_SKIP() << "the ANSI code page is UTF-8, which lacks no letter";
    const std::wstring name = L"Ma" + letter + L"ana.wad";
    const std::string lost = "Ma?ana.wad";
    const testing::CodePageNames& names = testing::NamesOfThisCodePage();
    ScenarioFolders folders;
    folders.AddToWads("DOOM2.WAD");
    folders.AddToStart(names.word + ".wad");
    if (BestFitOf(name) != lost) folders.AddToStart(BestFitOf(name)); // the look-alike

    // A set that this version saved on another system: its response file in
    // UTF-8 names that file, one of this code page that exists here, and a demo.
    const std::string demo = Utf8Of(letter) + "t" + Utf8Of(letter);
    LaunchFileSet saved = DefaultExample(folders.wads);
    saved.rsp = CrLfLines(
        {"-file \"" + Utf8Of(name) + "\" \"" + testing::Utf8FromAnsi(names.word) + ".wad\"",
         "-record " + demo, "+exec qorvex.cfg"});
    WriteLaunchFileSet(folders.start, saved);
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    const HWND told = launcher.WaitForOwnWindow("Warning");
    ASSERT_NE(told, nullptr) << "the lost letters were not told";
    const std::string told8 = MessageBoxUtf8Text(told);
    EXPECT_NE(told8.find("The field \"Files\":\n\"" + Utf8Of(name) + "\""), std::string::npos)
        << told8;
    EXPECT_NE(told8.find("The field \"Record Demo\":\n" + demo + "\n"), std::string::npos) << told8;
    PressDialogButton(told, IDOK);
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    EXPECT_EQ(launcher.CountWindows("Warning"), 0) << "told more than once";
    EXPECT_EQ(launcher[MainId::lbPwads].Items(), (Items{lost, names.word + ".wad"}));
    EXPECT_EQ(launcher[MainId::edtDemo].Text(), "?t?");
    // Saved back, the lost letter would name no file: refused, nothing written.
    launcher[MainId::btnSave].Click();
    EXPECT_NE(ErrorBoxOf(launcher).find("\n?t?\nholds characters"), std::string::npos);
    EXPECT_EQ(ReadLaunchFileSet(folders.start), saved);
    launcher[MainId::btnClrPwads].Click();
    launcher[MainId::edtDemo].Type("");

    // Typed into Files and added with Enter: refused with the name as typed;
    // the look-alike that exists is not added.
    ClickOn(FieldOf(launcher[MainId::cbPWADS]));
    TypeUtf8Text(Utf8Of(name));
    PressKeys("Return");
    std::string refused = ErrorBoxOf(launcher);
    EXPECT_NE(refused.find("The file\n" + Utf8Of(name) + "\nholds characters"), std::string::npos)
        << refused;
    EXPECT_EQ(launcher[MainId::lbPwads].ItemCount(), 0);

    // Pasted into a field: Save refuses it, naming the field. A "?" of its own
    // in a field is no lost letter: it is saved.
    ClickOn(launcher[MainId::edtPlayerClass].hwnd());
    PasteUtf8Text(demo);
    launcher[MainId::btnSave].Click();
    refused = ErrorBoxOf(launcher);
    EXPECT_NE(refused.find("The field \"Player class\"\n" + demo + "\n"), std::string::npos)
        << refused;
    EXPECT_EQ(ReadLaunchFileSet(folders.start), saved);
    launcher[MainId::edtPlayerClass].Type("");
    launcher[MainId::edtParams].Type("-skill?");
    launcher[MainId::btnSave].Click();
    ASSERT_TRUE(launcher.Settle());
    EXPECT_EQ(launcher.CountWindows("Tarnwick"), 0) << "a \"?\" typed was refused";
    EXPECT_NE(ReadLaunchFileSet(folders.start).rsp.find("\r\n-skill?\r\n"), std::string::npos);

    // Pasted into the WAD directory field: refused with the folder as pasted;
    // DOOMWADDIR does not become its look-alike.
    const std::wstring folder = WideOf(folders.root.path()) + L"\\Espa" + letter + L"a";
    if (BestFitOf(folder).find('?') == std::string::npos) {
        CreateDirectoryA(BestFitOf(folder).c_str(), nullptr);
        ScenarioFolders::AddFile(BestFitOf(folder), "HERETIC.WAD");
    }
    ClickOn(launcher[MainId::btnWaddir].hwnd());
    const HWND dialog = launcher.WaitForOwnWindow("Directory Setup");
    ASSERT_NE(dialog, nullptr);
    const RemoteControl field(dialog, DirSetupId::leWADDIR);
    field.Type("");
    ClickOn(FieldOf(field));
    PasteUtf8Text(Utf8Of(folder));
    PressKeys("Return");
    refused = ErrorBoxOf(launcher);
    EXPECT_NE(refused.find("The folder\n" + Utf8Of(folder) + "\nholds characters"),
              std::string::npos)
        << refused;
    ASSERT_EQ(launcher.CountWindows("Directory Setup"), 1) << "the dialog closed";
    PressDialogButton(dialog, DirSetupId::btnCancel);
    ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Directory Setup") == 0; }));
    EXPECT_EQ(launcher[MainId::cbIWAD].Items(), (Items{"DOOM 2: Hell on Earth", "Custom..."}));
    launcher[MainId::btnExit].Click();
    ASSERT_TRUE(launcher.process().WaitForExit());

    // Started in a folder so named: one word that names it and says what
    // still works, not the recovery's; then the window is ready.
    const std::wstring start = folder + L"\\" + name.substr(0, 6);
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) &&
                CreateDirectoryW(start.c_str(), nullptr));
    RunningLauncher elsewhere(start, {{"DOOMWADDIR", folders.wads}});
    const HWND warning = elsewhere.WaitForOwnWindow("Warning");
    ASSERT_NE(warning, nullptr) << "the start folder was not named";
    const std::string said = MessageBoxUtf8Text(warning);
    EXPECT_NE(said.find(":\n" + Utf8Of(start) + "\nIt cannot name that folder"), std::string::npos)
        << said;
    PressDialogButton(warning, IDOK);
    ASSERT_TRUE(elsewhere.WaitReady()) << kNotReady;
    EXPECT_EQ(VisibleWindows(elsewhere.id()).size(), 1u) << "another box";
    EXPECT_EQ(elsewhere[MainId::cbIWAD].Items(), (Items{"DOOM 2: Hell on Earth", "Custom..."}));
}

// On a UTF-8 system (65001) a letter takes up to four bytes: the WAD
// directory dialog takes a folder of 136 Devanagari letters (408 bytes), and
// refuses one of 247 characters by its characters, showing it whole.
TEST(CodePage, OnAUtf8SystemLengthsCountCharacters) {
    if (GetACP() != CP_UTF8) GTEST_SKIP() << "the ANSI code page is not UTF-8";
    const auto devanagari = [](std::size_t count) {
        std::wstring text;
        for (std::size_t i = 0; i < count; ++i)
            text += L"\u0915";
        return Utf8Of(text);
    };
    ScenarioFolders folders;
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    const std::string accepted = folders.root.path() + "\\" + devanagari(136);
    for (const std::string& folder : {accepted, "C:\\" + devanagari(244)}) {
        launcher[MainId::btnWaddir].Click();
        const HWND dialog = launcher.WaitForOwnWindow("Directory Setup");
        ASSERT_NE(dialog, nullptr);
        RemoteControl(dialog, DirSetupId::leWADDIR).Type(folder);
        PressDialogButton(dialog, DirSetupId::btnOk);
        ASSERT_TRUE(launcher.Settle());
        if (folder != accepted) {
            const std::string refused = ErrorBoxOf(launcher);
            EXPECT_NE(refused.find("\n" + folder +
                                   "\nis 247 characters long; this program and "
                                   "most source ports take at most 246 characters"),
                      std::string::npos)
                << refused;
            PressDialogButton(dialog, DirSetupId::btnCancel);
        } else {
            EXPECT_EQ(launcher.CountWindows("Tarnwick"), 0) << "136 letters were refused";
        }
        ASSERT_TRUE(WaitUntil([&] { return launcher.CountWindows("Directory Setup") == 0; }));
    }
}

} // namespace
} // namespace tarnwick::e2e
