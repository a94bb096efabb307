// The launch files and the scans against real folders, files and cmd.
#include "GameDataScan.h"
#include "LaunchErrors.h"
#include "LaunchWriter.h"
#include "TempFolder.h"
#include "Win32Platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

namespace tarnwick {
namespace {

using testing::CurrentDirectoryScope;
using testing::FileText;
using testing::TempFolder;

std::string CurrentDirectory() { return Win32Platform().CurrentDirectory(); }

// Runs a command line in a folder and waits for it to end.
void RunAndWait(const std::string& commandLine, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                               nullptr, folder.c_str(), &startup, &process));
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

bool WaitForFile(const std::string& path) {
    for (int i = 0; i < 200; ++i) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
        Sleep(50);
    }
    return false;
}

TEST(Scans, FindIwadsByNameInBothFoldersEachTitleOnce) {
    Win32Platform platform;
    TempFolder start;
    TempFolder wads;
    start.AddFile("doom2.wad");
    start.AddFile("mydoom2.wad");
    start.AddFile("doom2.wad.bak");
    start.AddFolder("HEXEN.WAD");
    const std::string hidden = start.AddFile("tnt.wad");
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    for (const char* name :
         {"DOOM2.WAD", "STRIFE0.WAD", "Heretic1.wad", "strife1.WAD", "HERETIC.WAD"})
        wads.AddFile(name);

    CurrentDirectoryScope inStart(start.path());
    const IwadList list = ScanIwads(platform, wads.path());
    const std::vector<std::string> expected = {"DOOM 2: Hell on Earth",
                                               "TNT: Evilution",
                                               "Heretic: Shadow of the Serpent Riders",
                                               "Heretic Shareware",
                                               "Hexen: Beyound Heretic",
                                               "Strife: Quest for the Sigil",
                                               "Strife: Teaser",
                                               "Custom..."};
    EXPECT_EQ(list.titles, expected);
    EXPECT_EQ(list.selected, 0);

    TempFolder empty;
    CurrentDirectoryScope inEmpty(empty.path());
    EXPECT_EQ(ScanIwads(platform, empty / "missing").titles, std::vector<std::string>{"Custom..."});
    // The same folder as current directory and WAD directory: still one title.
    start.AddFile("Doom2.Wad.txt");
    CurrentDirectoryScope back(start.path());
    EXPECT_EQ(ScanIwads(platform, start.path()).titles.front(), "DOOM 2: Hell on Earth");
    EXPECT_EQ(ScanIwads(platform, start.path()).titles.size(), 4u);
}

TEST(Scans, ListResourceCandidatesByPatternAndFolder) {
    Win32Platform platform;
    TempFolder start;
    TempFolder wads;
    start.AddFile("Map01.WAD");
    start.AddFile("music.pk3");
    start.AddFile("fix.deh");
    start.AddFile("ext.bex");
    start.AddFile("readme.txt");
    start.AddFolder("folder.pk3");
    wads.AddFile("extra.wad");

    std::vector<std::string> names = ScanResourceCandidates(platform, start.path(), wads.path());
    ASSERT_EQ(names.size(), 6u);
    // Within one pattern the order is the system's own.
    std::sort(names.begin() + 1, names.begin() + 3);
    EXPECT_EQ(names, (std::vector<std::string>{"Map01.WAD", "folder.pk3", "music.pk3", "fix.deh",
                                               "ext.bex", "extra.wad"}));

    names = ScanResourceCandidates(platform, wads.path(), wads.path());
    EXPECT_EQ(names, (std::vector<std::string>{"extra.wad", "extra.wad"}));
    EXPECT_TRUE(ScanResourceCandidates(platform, start / "gone", wads / "gone").empty());
}

TEST(Scans, ReadTheWadDirectoryFromTheEnvironment) {
    Win32Platform platform;
    SetEnvironmentVariableA("DOOMWADDIR", nullptr);
    EXPECT_EQ(ReadWadDirFromEnvironment(platform), "");
    SetEnvironmentVariableA("DOOMWADDIR", "");
    EXPECT_EQ(ReadWadDirFromEnvironment(platform), "");
    const std::string longValue(1000, 'w');
    SetEnvironmentVariableA("DOOMWADDIR", longValue.c_str());
    EXPECT_EQ(ReadWadDirFromEnvironment(platform), longValue);
    SetEnvironmentVariableA("DOOMWADDIR", nullptr);
}

TEST(WriteLaunchFiles, WritesTheFilesIntoTheStartFolderByteForByte) {
    Win32Platform platform;
    TempFolder start;
    TempFolder elsewhere;
    start.AddFile("old.lmp");
    start.AddFolder("folder.zds");
    elsewhere.AddFile("save.zds"); // exists only relative to the wrong folder
    CurrentDirectoryScope inElsewhere(elsewhere.path());

    LaunchSettings s;
    s.iwad = "DOOM 2: Hell on Earth";
    WriteLaunchFiles(platform, s, "C:\\WADS", start.path());
    EXPECT_EQ(FileText(start / "qorvex.rsp"), "-iwad \"doom2.wad\"\r\n+exec qorvex.cfg\r\n");
    EXPECT_EQ(FileText(start / "qorvex.cfg"),
              "skill 3\r\nfraglimit 0\r\ntimelimit 0\r\nsv_gravity 800.00\r\n"
              "sv_aircontrol 0.00390625\r\nteamdamage 0\r\n");
    EXPECT_EQ(FileText(start / "qorvex.bat"),
              "set DOOMWADDIR=C:\\WADS\r\ngzdoom.exe @qorvex.rsp\r\n");
    EXPECT_EQ(CurrentDirectory(), start.path());
    EXPECT_EQ(FileText(start / "qorvex.rsp.tmp"), "<missing>");

    // Demo and saved game are tested relative to the start folder: a file
    // counts, a folder or a missing name does not.
    SetCurrentDirectoryA(elsewhere.path().c_str());
    s.playDemo = "old.lmp";
    s.loadGame = "save.zds";
    WriteLaunchFiles(platform, s, "C:\\WADS", start.path());
    EXPECT_EQ(FileText(start / "qorvex.rsp"),
              "-iwad \"doom2.wad\"\r\n-playdemo old.lmp\r\n+exec qorvex.cfg\r\n");
    s.playDemo = "missing.lmp";
    s.loadGame = "folder.zds";
    WriteLaunchFiles(platform, s, "C:\\WADS", start.path());
    EXPECT_EQ(FileText(start / "qorvex.rsp"), "-iwad \"doom2.wad\"\r\n+exec qorvex.cfg\r\n");
}

TEST(WriteLaunchFiles, AFailedSaveKeepsTheEarlierFilesAndReportsTheSystemError) {
    Win32Platform platform;
    TempFolder start;
    LaunchSettings first;
    first.iwad = "DOOM 2: Hell on Earth";
    WriteLaunchFiles(platform, first, "C:\\OLD", start.path());
    const std::string rsp = FileText(start / "qorvex.rsp");
    const std::string cfg = FileText(start / "qorvex.cfg");
    const std::string bat = FileText(start / "qorvex.bat");
    const auto expectEarlierSet = [&](const char* why) {
        EXPECT_EQ(FileText(start / "qorvex.rsp"), rsp) << why;
        EXPECT_EQ(FileText(start / "qorvex.cfg"), cfg) << why;
        EXPECT_EQ(FileText(start / "qorvex.bat"), bat) << why;
        for (const char* name : {"qorvex.rsp.tmp", "qorvex.cfg.tmp", "qorvex.bat.tmp"})
            EXPECT_EQ(GetFileAttributesA((start / name).c_str()), INVALID_FILE_ATTRIBUTES) << why;
    };
    LaunchSettings second;
    second.deathmatch = true;
    second.files = {"new.wad"};

    // Each of the three files held open by another program without sharing.
    for (const char* name : {"qorvex.rsp", "qorvex.cfg", "qorvex.bat"}) {
        const HANDLE locked = CreateFileA((start / name).c_str(), GENERIC_READ, 0, nullptr,
                                          OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(locked, INVALID_HANDLE_VALUE);
        try {
            WriteLaunchFiles(platform, second, "C:\\NEW", start.path());
            ADD_FAILURE() << "a save over a locked " << name << " succeeded";
        } catch (const IoError& error) {
            EXPECT_EQ(error.code(), static_cast<std::uint32_t>(ERROR_SHARING_VIOLATION)) << name;
            EXPECT_EQ(error.what(), SystemMessage(ERROR_SHARING_VIOLATION));
        }
        CloseHandle(locked);
        expectEarlierSet(name);
    }

    // A folder standing where the last file must go: the first two are put
    // back as they were.
    DeleteFileA((start / "qorvex.bat").c_str());
    start.AddFolder("qorvex.bat");
    EXPECT_THROW(WriteLaunchFiles(platform, second, "C:\\NEW", start.path()), IoError);
    EXPECT_EQ(FileText(start / "qorvex.rsp"), rsp);
    EXPECT_EQ(FileText(start / "qorvex.cfg"), cfg);
    EXPECT_EQ(GetFileAttributesA((start / "qorvex.bat").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    RemoveDirectoryA((start / "qorvex.bat").c_str());

    // A start folder that no longer exists.
    try {
        WriteLaunchFiles(platform, second, "C:\\NEW", start / "gone");
        ADD_FAILURE() << "a save into a missing folder succeeded";
    } catch (const IoError& error) {
        EXPECT_TRUE(error.code() == ERROR_FILE_NOT_FOUND || error.code() == ERROR_PATH_NOT_FOUND)
            << error.code();
        EXPECT_FALSE(std::string(error.what()).empty());
    }
}

TEST(WriteLaunchFiles, CmdRunsTheBatchFileWithoutInjectedCommands) {
    Win32Platform platform;
    TempFolder start;
    const std::string portFolder = start.AddFolder("my port (x86)");
    // The "port": records the variable it was given and its argument.
    start.AddFile("my port (x86)\\show.bat",
                  "@set DOOMWADDIR> seen.txt\r\n@echo %1> argument.txt\r\n");

    LaunchSettings s;
    s.sourcePort = 3;
    s.customExecutable = portFolder + "\\show.bat";
    for (const std::string wadDir : {"a & echo INJECTED", "C:\\100%PATH%done", "x|y^z<w>v"}) {
        DeleteFileA((start / "seen.txt").c_str());
        WriteLaunchFiles(platform, s, wadDir, start.path());
        RunAndWait("cmd.exe /c qorvex.bat > output.txt", start.path());
        EXPECT_EQ(FileText(start / "seen.txt"), "DOOMWADDIR=" + wadDir + "\r\n") << wadDir;
        EXPECT_EQ(FileText(start / "argument.txt"), "@qorvex.rsp\r\n") << wadDir;
        const std::string output = FileText(start / "output.txt");
        EXPECT_EQ(output.find("\r\nINJECTED\r\n"), std::string::npos) << output;
        EXPECT_NE(output.rfind("INJECTED", 0), 0u) << output;
    }
}

TEST(RunLaunch, StartsTheBatchFileAndReportsOneThatCannotStart) {
    Win32Platform platform;
    TempFolder start;
    start.AddFile("port.bat", "@set DOOMWADDIR> seen.txt\r\n");
    LaunchSettings s;
    s.sourcePort = 3;
    s.customExecutable = "port.bat";
    RunLaunch(platform, s, "C:\\WADS", start.path());
    ASSERT_TRUE(WaitForFile(start / "seen.txt"));
    Sleep(200);
    EXPECT_EQ(FileText(start / "seen.txt"), "DOOMWADDIR=C:\\WADS\r\n");

    try {
        platform.StartHidden("missing-launch-file.bat");
        ADD_FAILURE() << "starting a missing batch file succeeded";
    } catch (const IoError& error) {
        EXPECT_EQ(error.code(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
        EXPECT_EQ(error.what(), SystemMessage(ERROR_FILE_NOT_FOUND));
    }
}

TEST(DeleteLaunchFiles, DeletesTheStartFoldersFilesWhateverTheCurrentDirectory) {
    Win32Platform platform;
    TempFolder start;
    TempFolder elsewhere;
    for (const char* name : {"qorvex.rsp", "qorvex.cfg", "qorvex.bat"}) {
        start.AddFile(name, "x");
        elsewhere.AddFile(name, "keep");
    }
    start.AddFile("qorvex.txt", "other");
    CurrentDirectoryScope inElsewhere(elsewhere.path());

    DeleteLaunchFiles(platform, start.path());
    for (const char* name : {"qorvex.rsp", "qorvex.cfg", "qorvex.bat"}) {
        EXPECT_EQ(FileText(start / name), "<missing>") << name;
        EXPECT_EQ(FileText(elsewhere / name), "keep") << name;
    }
    EXPECT_EQ(FileText(start / "qorvex.txt"), "other");
    EXPECT_NO_THROW(DeleteLaunchFiles(platform, start.path())); // none left: nothing to do

    start.AddFile("qorvex.cfg", "x");
    const HANDLE locked = CreateFileA((start / "qorvex.cfg").c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    EXPECT_THROW(DeleteLaunchFiles(platform, start.path()), IoError);
    CloseHandle(locked);
}

} // namespace
} // namespace tarnwick
