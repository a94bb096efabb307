// The launch files and the scans against real folders, files and cmd.
#include "AnsiText.h"
#include "GameDataScan.h"
#include "GameFolderSearch.h"
#include "LaunchErrors.h"
#include "LaunchFileFormat.h"
#include "LaunchWriter.h"
#include "SystemLetters.h"
#include "PromisedSet.h"
#include "PathRules.h"
#include "RegistryValue.h"
#include "PortLines.h"
#include "ProgramSearch.h"
#include "TempFolder.h"
#include "UnixCommand.h"
#include "Win32Platform.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <map>

namespace tarnwick {
namespace {

using testing::CurrentDirectoryScope;
using testing::FileText;
using testing::ImmutableFile;
using testing::LetterOutsideTheCodePage;
using testing::RunUnixCommand;
using testing::ShellWord;
using testing::SystemLetters;
using testing::TempFolder;
using testing::UnderWine;
using testing::UnixPath;

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

// The files of a folder (not its subfolders), by name, with their bytes.
using Folder = std::map<std::string, std::string>;

Folder FilesOf(const TempFolder& folder) {
    Folder files;
    Win32Platform().ListMatches(folder / "*", [&](std::string_view name) {
        const std::string path = folder / name;
        if ((GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) == 0)
            files[std::string(name)] = FileText(path);
    });
    return files;
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
    for (const char* name : {"DOOM2.WAD", "STRIFE0.WAD", "Heretic1.wad", "strife1.WAD",
                             "HERETIC.WAD", "FreeDM.wad", "freedoom2.wad"})
        wads.AddFile(name);
    // A file dialog may have left another folder current: the start folder
    // is read all the same, where the port will look.
    TempFolder elsewhere;
    elsewhere.AddFile("PLUTONIA.WAD");
    elsewhere.AddFile("maps.wad");
    CurrentDirectoryScope inElsewhere(elsewhere.path());

    const IwadList list = ScanIwads(platform, {wads.path(), start.path()});
    const std::vector<std::string> expected = {"DOOM 2: Hell on Earth",
                                               "TNT: Evilution",
                                               "Heretic: Shadow of the Serpent Riders",
                                               "Heretic Shareware",
                                               "Hexen: Beyound Heretic",
                                               "Strife: Quest for the Sigil",
                                               "Strife: Teaser",
                                               "Freedoom: Phase 2",
                                               "FreeDM",
                                               "Custom..."};
    EXPECT_EQ(list.titles, expected);
    EXPECT_EQ(list.selected, 0);

    // A WAD folder whose name ends in the system's letters: in a double-byte
    // code page one whose second byte is "\\", which is no separator.
    const std::string letters = start.AddFolder(SystemLetters());
    CreateFileA((letters + "\\PLUTONIA.WAD").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0,
                nullptr);
    EXPECT_EQ(ScanIwads(platform, {letters, start.path()}).titles,
              (std::vector<std::string>{"DOOM 2: Hell on Earth", "The Plutonia Experiment",
                                        "TNT: Evilution", "Hexen: Beyound Heretic", "Custom..."}));
    EXPECT_TRUE(FileInStartOrWadDir(platform, {letters, start.path()}, "PLUTONIA.WAD"));
    EXPECT_EQ(ScanResourceCandidates(platform, letters, letters),
              (std::vector<std::string>{"PLUTONIA.WAD", "PLUTONIA.WAD"}));

    TempFolder empty;
    EXPECT_EQ(ScanIwads(platform, {empty / "missing", empty.path()}).titles,
              std::vector<std::string>{"Custom..."});
    // The same folder as start folder and WAD directory: still one title.
    start.AddFile("Doom2.Wad.txt");
    EXPECT_EQ(ScanIwads(platform, {start.path(), start.path()}).titles.front(),
              "DOOM 2: Hell on Earth");
    EXPECT_EQ(ScanIwads(platform, {start.path(), start.path()}).titles.size(), 4u);

    // A relative WAD directory, a name typed for Add and the saved IWAD are
    // read from the start folder too; a root-relative one on its drive.
    start.AddFolder("sub");
    start.AddFile("sub\\HEXDD.WAD");
    const std::vector<std::string> fromSub = ScanIwads(platform, {"sub", start.path()}).titles;
    EXPECT_NE(std::find(fromSub.begin(), fromSub.end(), "Hexen: Deathkings of the Dark Citadel"),
              fromSub.end());
    const LaunchFolders folders{wads.path(), start.path()};
    EXPECT_TRUE(FileInStartOrWadDir(platform, folders, "doom2.wad.bak"));
    EXPECT_TRUE(FileInStartOrWadDir(platform, folders, "sub\\hexdd.wad"));
    EXPECT_TRUE(FileInStartOrWadDir(platform, folders, "heretic1.wad"));
    EXPECT_TRUE(FileInStartOrWadDir(platform, folders, elsewhere / "maps.wad"));
    EXPECT_TRUE(FileInStartOrWadDir(platform, folders, (start / "tnt.wad").substr(2)));
    EXPECT_FALSE(FileInStartOrWadDir(platform, folders, "maps.wad"));
    EXPECT_FALSE(FileInStartOrWadDir(platform, folders, "sub"));

    const AnsiCodePage codePage;
    EXPECT_EQ(FromStartFolder(codePage, "D:\\start", "\\x.wad"), "D:\\x.wad");
    for (const char* asItStands : {"C:\\x.wad", "C:x.wad", "\\\\server\\share\\x.wad"})
        EXPECT_EQ(FromStartFolder(codePage, "D:\\start", asItStands), asItStands);
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
    // A name that the ANSI code page cannot hold is not offered: it would
    // come as "????.wad", which names no file.
    if (const std::wstring outside = LetterOutsideTheCodePage(); !outside.empty()) {
        const std::wstring name = WideFromAnsi(wads.path()) + L"\\" + outside + L".wad";
        CloseHandle(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        ASSERT_NE(GetFileAttributesW(name.c_str()), INVALID_FILE_ATTRIBUTES);
    }

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

// A folder below the root, made level by level (its name looked at by
// characters: a second byte may be "\\"), holding the named files.
std::string AddFolders(const TempFolder& root, const std::string& relative,
                       std::initializer_list<const char*> files = {}) {
    const Win32Platform platform;
    const AnsiCodePage& codePage = platform.CodePage();
    for (std::size_t at = 0; at < relative.size(); at = codePage.NextCharacter(relative, at))
        if (relative[at] == '\\')
            CreateDirectoryA((root / relative.substr(0, at)).c_str(), nullptr);
    const std::string folder = root.AddFolder(relative);
    for (const char* file : files)
        root.AddFile(relative + "\\" + file);
    return folder;
}

// Steam's registry values and its list of libraries as a damaged or hostile
// machine may hold them: what cannot be read is passed over, nothing raises.
TEST(Scans, GameFoldersPassOverOddRegistryValuesAndLibraryLists) {
    Win32Platform platform;
    TempFolder root;
    const std::string steam = root / "Steam";
    const std::string base =
        AddFolders(root, "Steam\\steamapps\\common\\Doom 2\\base", {"DOOM2.WAD"});
    const std::string library = "Library " + SystemLetters();
    const std::string lettered =
        AddFolders(root, library + "\\steamapps\\common\\Hexen\\base", {"HEXEN.WAD"});
    AddFolders(root, "Steam\\config");
    // The library list names a library by a name of the ANSI code page and
    // one by a name outside it (UTF-8, as Steam writes).
    const std::wstring outside = LetterOutsideTheCodePage();
    bool lost = false;
    const std::string vdf =
        root.AddFile("Steam\\config\\libraryfolders.vdf",
                     "\"libraryfolders\" { \"1\" { \"path\" \"" + root.path() + "\\\\" +
                         testing::AnsiTextIn(library, CP_UTF8) + "\" } \"2\" { \"path\" \"" +
                         root.path() + "\\\\" + NarrowTo(outside, CP_UTF8, lost) + "\" } }");
    const std::wstring wideSteam = WideFromAnsi(steam);
    testing::RegistryValue user(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath");
    testing::RegistryValue machine(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Valve\\Steam", L"InstallPath");
    const std::vector<std::string> both = {lettered, base};
    const auto found = [&] { return FindGameFolders(platform, root.path()); };
    // The test prefix has no games; a computer with its own would add them
    // to every answer.
    if (!UnderWine() && !found().empty())
        GTEST_SKIP() << "this computer has games from Steam or GOG, or DOOMWADPATH set";
    EXPECT_EQ(found(), std::vector<std::string>{}) << "no Steam";
    machine.Set(wideSteam);
    EXPECT_EQ(found(), both);

    // The user's value first; one of another type gives way to the machine's.
    const DWORD number = 5;
    user.Set(REG_DWORD, &number, sizeof number);
    EXPECT_EQ(found(), both);
    user.Set(REG_EXPAND_SZ, wideSteam.c_str(), DWORD((wideSteam.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(found(), both);
    machine.Set(L"C:\\nowhere");
    user.Set(REG_SZ, wideSteam.c_str(), DWORD(wideSteam.size() * sizeof(wchar_t)));
    EXPECT_EQ(found(), both) << "a string without its terminator is read as it stands";
    for (const std::wstring& unusable :
         {std::wstring(10000, L'x'), wideSteam + outside, std::wstring(L"\0", 1)}) {
        if (unusable == wideSteam) continue; // nothing is outside a UTF-8 code page
        user.Set(REG_SZ, unusable.c_str(), DWORD(unusable.size() * sizeof(wchar_t)));
        EXPECT_EQ(found(), std::vector<std::string>{}) << unusable.size();
    }

    // A list of libraries that another program holds: Steam's own library
    // still counts.
    user.Set(wideSteam);
    const HANDLE held =
        CreateFileA(vdf.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(found(), std::vector<std::string>{base});
    CloseHandle(held);
    EXPECT_EQ(found(), both);
}

// Every lookup fails a drive that is not ready rather than raising the
// system's box, on this thread and on a worker, and gives the thread's own
// error mode back after it. A drive letter that is not mapped and a UNC path
// to no host answer at once, as not there.
TEST(Scans, LookupsRaiseNoBoxForADriveThatIsNotReady) {
    // The thread's mode while a listing runs.
    struct Noted final : Lookup {
        explicit Noted(std::string listed) : pattern(std::move(listed)) {}
        void Run(Platform& platform) override {
            platform.ListMatches(pattern,
                                 [this](std::string_view) { mode = GetThreadErrorMode(); });
        }
        std::string pattern;
        DWORD mode = 0;
    };
    TempFolder folder;
    folder.AddFile("DOOM2.WAD");
    Win32Platform platform;
    SetThreadErrorMode(SEM_NOGPFAULTERRORBOX, nullptr);
    Noted here(folder / "*.wad");
    here.Run(platform);
    EXPECT_EQ(here.mode, DWORD(SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS));
    EXPECT_EQ(GetThreadErrorMode(), DWORD(SEM_NOGPFAULTERRORBOX));
    SetThreadErrorMode(0, nullptr);
    const auto back =
        platform.RunFor(std::make_unique<Noted>(here.pattern), std::chrono::seconds(10));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(static_cast<Noted&>(*back).mode, DWORD(SEM_FAILCRITICALERRORS)) << "on a worker";

    std::string unmapped = "A:\\wads";
    for (const DWORD drives = GetLogicalDrives(); drives & (1u << (unmapped[0] - 'A'));)
        ++unmapped[0];
    for (const std::string& gone : {unmapped, std::string("\\\\tarnwick-no-host\\share\\wads")}) {
        EXPECT_FALSE(platform.PathExists(gone)) << gone;
        EXPECT_TRUE(CatalogueIwadsListed(platform, gone + "\\*.wad").none()) << gone;
        EXPECT_EQ(platform.OnNetwork(gone), gone[0] == '\\') << gone;
    }
}

// The real platform, except that what it runs on a worker thread waits until
// the test lets it go: a computer on the network that does not answer, which
// Wine cannot show. The platform takes a path in the system's long form
// ("\\?\C:\...") as one on another computer, like a UNC path.
class HeldNetwork final : public Win32Platform {
  public:
    ~HeldNetwork() override {
        SetEvent(gate_);
        CloseHandle(gate_);
        CloseHandle(freed_);
    }

    std::unique_ptr<Lookup> RunFor(std::unique_ptr<Lookup> lookup,
                                   std::chrono::milliseconds wait) override {
        std::unique_ptr<Lookup> back =
            Win32Platform::RunFor(std::make_unique<Held>(std::move(lookup), gate_, freed_), wait);
        return back ? std::move(static_cast<Held&>(*back).inner) : nullptr;
    }
    void Hold() { ResetEvent(gate_); }
    void Answer() { SetEvent(gate_); }
    // Whether a lookup passed over ended and was freed, at the latest in 10 s.
    bool LookupFreed() { return WaitForSingleObject(freed_, 10000) == WAIT_OBJECT_0; }

  private:
    struct Held final : Lookup {
        Held(std::unique_ptr<Lookup> lookup, HANDLE gateOf, HANDLE freedOf)
            : inner(std::move(lookup)), gate(gateOf), freed(freedOf) {}
        ~Held() override { SetEvent(freed); }
        void Run(Platform& platform) override {
            WaitForSingleObject(gate, INFINITE);
            inner->Run(platform);
        }
        std::unique_ptr<Lookup> inner;
        HANDLE gate;
        HANDLE freed;
    };

    HANDLE gate_ = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    HANDLE freed_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
};

// The search for the folders that hold games runs on a worker thread. One
// that a computer on the network holds is waited for a bounded time; then the
// search runs again, without the folders on other computers, and the one held
// ends on its own.
TEST(Scans, ASearchTheNetworkHoldsIsWaitedForABoundedTime) {
    TempFolder network;
    TempFolder local;
    network.AddFile("DOOM2.WAD");
    local.AddFile("HERETIC.WAD");
    const std::string remote = "\\\\?\\" + network.path();
    SetEnvironmentVariableA("DOOMWADPATH", (remote + ";" + local.path()).c_str());
    HeldNetwork platform;
    const std::chrono::milliseconds wait(500);
    EXPECT_EQ(FindGameFolders(platform, local.path(), wait),
              (std::vector<std::string>{local.path(), remote}));
    platform.Hold();
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(FindGameFolders(platform, local.path(), wait),
              std::vector<std::string>{local.path()});
    EXPECT_LT(GetTickCount64() - start, 5000u) << "the network held the search";
    platform.Answer();
    EXPECT_TRUE(platform.LookupFreed());
    SetEnvironmentVariableA("DOOMWADPATH", nullptr);
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
    const LaunchFileSet formatted = FormatLaunchFiles(platform.CodePage(), s, "C:\\WADS",
                                                      [](const std::string&) { return false; });
    EXPECT_EQ(FileText(start / "qorvex.rsp"), formatted.responseFile);
    EXPECT_EQ(FileText(start / "qorvex.cfg"), formatted.consoleScript);
    EXPECT_EQ(FileText(start / "qorvex.bat"), formatted.batchFile);
    EXPECT_EQ(CurrentDirectory(), start.path());

    // A start folder whose name ends in the system's letters: the files go
    // into it, not beside it into its parent.
    const Folder before = FilesOf(start);
    const std::string named = start.AddFolder(SystemLetters());
    WriteLaunchFiles(platform, s, "C:\\WADS", named);
    EXPECT_EQ(FileText(named + "\\qorvex.bat"), formatted.batchFile);
    EXPECT_EQ(FilesOf(start), before);
    DeleteLaunchFiles(platform, named);
    EXPECT_EQ(FileText(named + "\\qorvex.bat"), "<missing>");

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

// A device that cannot flush answers ERROR_INVALID_FUNCTION or
// ERROR_NOT_SUPPORTED, which keeps a write possible; any other answer fails
// it with that error. NUL answers ERROR_ACCESS_DENIED under Wine 8; which
// answer a device gives is the system's, so the rule is held to it.
TEST(WriteFile, AFlushThatTheDeviceCannotDoKeepsTheWriteAndAnyOtherFailureFailsIt) {
    const HANDLE device = CreateFileA("NUL", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(device, INVALID_HANDLE_VALUE);
    const DWORD answer = FlushFileBuffers(device) ? ERROR_SUCCESS : GetLastError();
    CloseHandle(device);
    const bool keeps = answer == ERROR_SUCCESS || answer == ERROR_INVALID_FUNCTION ||
                       answer == ERROR_NOT_SUPPORTED;
    try {
        Win32Platform().WriteFile("NUL", "bytes");
        EXPECT_TRUE(keeps) << "a flush that answered " << answer << " did not fail the write";
    } catch (const IoError& error) {
        EXPECT_FALSE(keeps) << error.what();
        EXPECT_EQ(error.code(), answer);
    }
}

// The real platform, except that its n-th file operation fails, and with
// failFromThereOn every one after it too, as when the disk is gone. A failed
// write leaves half of its bytes behind, as a full disk does.
class FailingPlatform final : public Platform {
  public:
    FailingPlatform(int failAt, bool failFromThereOn)
        : failAt_(failAt), failFromThereOn_(failFromThereOn) {}

    std::string CurrentDirectory() override { return real_.CurrentDirectory(); }
    void ChangeDirectory(const std::string& path) override {
        FailHere(path);
        real_.ChangeDirectory(path);
    }
    bool FileExists(const std::string& path) override { return real_.FileExists(path); }
    bool PathExists(const std::string& path) override { return real_.PathExists(path); }
    // Looks that fail are the model's (FileSetModelTest): here they would
    // only multiply the cases.
    bool FileIsThere(const std::string& path) override { return real_.FileIsThere(path); }
    FileObstacle WhatStopsReplacing(const std::string& path) override {
        return real_.WhatStopsReplacing(path);
    }
    void ListMatches(const std::string& pattern,
                     const std::function<void(std::string_view name)>& onName) override {
        real_.ListMatches(pattern, onName);
    }
    std::string ReadFile(const std::string& path) override {
        FailHere(path);
        return real_.ReadFile(path);
    }
    std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t limit) override {
        FailHere(path);
        return real_.ReadSmallFile(path, limit);
    }
    void WriteFile(const std::string& path, std::string_view bytes) override {
        if (Fails()) {
            real_.WriteFile(path, bytes.substr(0, bytes.size() / 2));
            throw SystemError(ERROR_DISK_FULL, path);
        }
        real_.WriteFile(path, bytes);
        // Having the bytes on the disk is an operation of its own.
        if (Fails()) throw SystemError(ERROR_WRITE_FAULT, path);
    }
    void MoveReplacing(const std::string& from, const std::string& to) override {
        FailHere(from);
        real_.MoveReplacing(from, to);
    }
    void RemoveFile(const std::string& path) override {
        FailHere(path);
        real_.RemoveFile(path);
    }
    bool OnNetwork(const std::string& path) override { return real_.OnNetwork(path); }
    std::unique_ptr<Lookup> RunFor(std::unique_ptr<Lookup> lookup,
                                   std::chrono::milliseconds wait) override {
        return real_.RunFor(std::move(lookup), wait);
    }
    std::unique_ptr<ExclusiveHold> HoldExclusively(const std::string& path,
                                                   std::chrono::milliseconds patience) override {
        return real_.HoldExclusively(path, patience);
    }
    std::string FindOnPath(const std::string& name) override { return real_.FindOnPath(name); }
    std::string GetEnvironment(const std::string& name) override {
        return real_.GetEnvironment(name);
    }
    void SetEnvironment(const std::string& name, const std::string& value) override {
        real_.SetEnvironment(name, value);
    }
    std::string RegistryString(RegistryRoot root, std::string_view key,
                               std::string_view value) override {
        return real_.RegistryString(root, key, value);
    }
    const AnsiCodePage& CodePage() const override { return real_.CodePage(); }
    std::optional<std::string> FromAnsi(std::string_view text, TextEncoding to) override {
        return real_.FromAnsi(text, to);
    }
    std::string ToAnsi(std::string_view text, TextEncoding from, bool& lost) override {
        return real_.ToAnsi(text, from, lost);
    }
    void StartHidden(const std::string& commandLine) override { real_.StartHidden(commandLine); }
    void StartProgram(const std::string& program, const std::string& commandLine,
                      const std::string& folder, const std::string& variable,
                      const std::string& value) override {
        real_.StartProgram(program, commandLine, folder, variable, value);
    }

  private:
    bool Fails() {
        ++operations_;
        return operations_ == failAt_ || (failFromThereOn_ && operations_ > failAt_);
    }
    // Names the file, as the real platform's errors do.
    void FailHere(const std::string& path) {
        if (Fails()) throw SystemError(ERROR_ACCESS_DENIED, path);
    }

    Win32Platform real_;
    int failAt_;
    bool failFromThereOn_;
    int operations_ = 0;
};

void Restore(const TempFolder& folder, const Folder& files) {
    for (const auto& [name, bytes] : FilesOf(folder))
        DeleteFileA((folder / name).c_str());
    for (const auto& [name, bytes] : files)
        folder.AddFile(name, bytes);
}

std::string Lookup(const Folder& files, const std::string& name) {
    const auto file = files.find(name);
    return file == files.end() ? "<missing>" : file->second;
}

bool SameLaunchFiles(const Folder& a, const Folder& b) {
    for (const char* name : {"qorvex.rsp", "qorvex.cfg", "qorvex.bat"})
        if (Lookup(a, name) != Lookup(b, name)) return false;
    return true;
}

// Save and Reset with each of their file operations failing in turn, alone
// and together with every later one (the disk gone), against real files.
// Alone: the folder holds the earlier set byte for byte or the complete new
// one (none after Reset), and nothing else unless the error says so. Always:
// until the new set is complete no earlier file is lost, and the error says
// which set the next start leaves. With the disk gone it is as if the system
// stopped there: when it is back, the recovery of the next start, even if it
// is cut short itself, leaves that set, whole, and says so when it decided.
TEST(FileSetReplacement, AFailureAtAnyStepLosesNothingAndHidesNothing) {
    Win32Platform real;
    TempFolder start;
    start.AddFile("DOOM2.WAD", "not ours");
    LaunchSettings first;
    first.iwad = "DOOM 2: Hell on Earth";
    WriteLaunchFiles(real, first, "C:\\OLD", start.path());
    const Folder fullSet = FilesOf(start);
    Folder withoutScript = fullSet;
    withoutScript.erase("qorvex.cfg");

    LaunchSettings second = first;
    second.deathmatch = true;
    second.files = {"new.wad"};
    const LaunchFileSet next = FormatLaunchFiles(real.CodePage(), second, "C:\\NEW",
                                                 [](const std::string&) { return false; });
    const Folder saved{{"DOOM2.WAD", "not ours"},
                       {"qorvex.rsp", next.responseFile},
                       {"qorvex.cfg", next.consoleScript},
                       {"qorvex.bat", next.batchFile}};
    const Folder reset{{"DOOM2.WAD", "not ours"}};

    struct Operation {
        const char* what;
        std::function<std::string(Platform&)> run;
        const Folder& before;
        const Folder& after;
    };
    const auto save = [&](Platform& platform) {
        return WriteLaunchFiles(platform, second, "C:\\NEW", start.path());
    };
    const auto remove = [&](Platform& platform) {
        return DeleteLaunchFiles(platform, start.path());
    };
    const Operation operations[] = {
        {"Save over a set", save, fullSet, saved},
        {"Save over a set without qorvex.cfg", save, withoutScript, saved},
        {"Reset", remove, fullSet, reset}};

    for (const bool diskGone : {false, true}) {
        for (const Operation& operation : operations) {
            int failAt = 1;
            for (;; ++failAt) {
                SCOPED_TRACE(std::string(operation.what) + ", operation " + std::to_string(failAt) +
                             " failing" + (diskGone ? " and on" : ""));
                ASSERT_LT(failAt, 100) << "it never succeeds";
                Restore(start, operation.before);
                FailingPlatform platform(failAt, diskGone);
                std::string error;
                std::string words;
                try {
                    words = operation.run(platform);
                } catch (const IoError& failure) {
                    error = failure.what();
                }
                const Folder result = FilesOf(start);
                if (error.empty()) {
                    // A file of ours that could not be deleted stays, named.
                    EXPECT_TRUE(SameLaunchFiles(result, operation.after)) << words;
                    for (const auto& [name, bytes] : result)
                        EXPECT_TRUE(operation.after.contains(name) || name == "qorvex.setd0" ||
                                    words.find(start / name) != std::string::npos)
                            << name << " stays unsaid";
                    if (words.empty()) break;
                    continue;
                }
                const bool done = SameLaunchFiles(result, operation.after);
                const Said said = WhatItSays(error);
                if (!diskGone) {
                    EXPECT_TRUE(done || SameLaunchFiles(result, operation.before))
                        << "a mixed set:\n"
                        << error;
                    EXPECT_TRUE(said != Said::Unchanged || result == operation.before) << error;
                }
                for (const auto& [name, bytes] : operation.before)
                    EXPECT_TRUE(done || Lookup(result, name) == bytes ||
                                Lookup(result, name + "e0") == bytes)
                        << name << " is lost:\n"
                        << error;
                const Folder* promised = said == Said::Earlier || said == Said::Unchanged
                                             ? &operation.before
                                         : said == Said::New ? &operation.after
                                                             : nullptr;
                EXPECT_NE(promised, nullptr) << "the error does not say which set stands:\n"
                                             << error;

                // The recovery may itself be cut short at any of its steps;
                // the next one still ends in the same set.
                Restore(start, result);
                const Recovery recovery = RecoverLaunchFiles(real, start.path()).recovery;
                const Folder recovered = FilesOf(start);
                EXPECT_TRUE(recovered == operation.before || recovered == operation.after)
                    << "a mixed set after the recovery";
                EXPECT_TRUE(!promised || recovered == *promised) << error;
                EXPECT_TRUE(recovery != Recovery::None || SameLaunchFiles(recovered, result));
                EXPECT_TRUE(recovery != Recovery::EarlierSetKept || recovered == operation.before);
                EXPECT_TRUE(recovery != Recovery::NewSetKept || recovered == operation.after);
                for (int recoveryFailsAt = 1;; ++recoveryFailsAt) {
                    ASSERT_LT(recoveryFailsAt, 40) << "the recovery never succeeds";
                    Restore(start, result);
                    FailingPlatform failing(recoveryFailsAt, true);
                    try {
                        RecoverLaunchFiles(failing, start.path());
                        break;
                    } catch (const IoError&) {
                        RecoverLaunchFiles(real, start.path());
                        EXPECT_EQ(FilesOf(start), recovered)
                            << "another set after a recovery cut at step " << recoveryFailsAt;
                    }
                }
            }
            EXPECT_GT(failAt, 1) << operation.what << ": no operation failed";
        }
    }
}

// A start folder holding a saved set, and a change to every file of it.
struct SavedSet {
    Win32Platform platform;
    TempFolder start;
    LaunchSettings first;
    LaunchSettings second;
    Folder earlier;

    SavedSet() {
        first.iwad = "DOOM 2: Hell on Earth";
        WriteLaunchFiles(platform, first, "C:\\OLD", start.path());
        earlier = FilesOf(start);
        second.files = {"new.wad"};
        second.deathmatch = true;
    }
};

// A file that the system refuses to replace, as the second and as the third
// of the set: Save puts back what it had replaced and says so, naming the
// file; Reset leaves all three. A file of ours that it refuses to delete
// stays, said once, and goes at the first start that can delete it.
TEST(FileSetReplacement, AFileTheSystemRefusesToReplaceKeepsTheEarlierSet) {
    if (!UnderWine()) GTEST_SKIP() << "the immutable attribute is set on the Unix side";
    SavedSet set;
    auto& [platform, start, first, second, earlier] = set;

    for (const char* name : {"qorvex.cfg", "qorvex.bat"}) {
        SCOPED_TRACE(name);
        const ImmutableFile refused(start / name);
        try {
            WriteLaunchFiles(platform, second, "C:\\NEW", start.path());
            ADD_FAILURE() << "a save over an immutable file succeeded";
        } catch (const IoError& error) {
            EXPECT_EQ(error.code(), static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
            EXPECT_NE(std::string(error.what()).find(start / name), std::string::npos)
                << error.what();
            EXPECT_EQ(WhatItSays(error.what()), Said::Earlier) << error.what();
        }
        EXPECT_EQ(FilesOf(start), earlier);
        EXPECT_THROW(DeleteLaunchFiles(platform, start.path()), IoError);
        EXPECT_EQ(FilesOf(start), earlier);
    }

    start.AddFile("qorvex.rspe7", "left over");
    {
        const ImmutableFile stuck(start / "qorvex.rspe7");
        const std::string words = WriteLaunchFiles(platform, second, "C:\\NEW", start.path());
        EXPECT_NE(words.find(start / "qorvex.rspe7"), std::string::npos) << words;
        EXPECT_EQ(RecoverLaunchFiles(platform, start.path()).words, "");
        WriteLaunchFiles(platform, first, "C:\\OLD", start.path());
    }
    EXPECT_EQ(RecoverLaunchFiles(platform, start.path()).words, "");
    EXPECT_EQ(FilesOf(start), earlier);

    // A start folder that no longer exists.
    try {
        WriteLaunchFiles(platform, second, "C:\\NEW", start / "gone");
        ADD_FAILURE() << "a save into a missing folder succeeded";
    } catch (const IoError& error) {
        EXPECT_TRUE(error.code() == ERROR_FILE_NOT_FOUND || error.code() == ERROR_PATH_NOT_FOUND)
            << error.code();
        EXPECT_NE(std::string(error.what()).find(start / "gone"), std::string::npos);
    }
}

// A read-only launch file (the real attribute, which Wine keeps from being
// deleted even for root) is refused by Save and Reset before anything
// changes, by name and with what to do. Files of ours that another program
// made read-only go all the same, without a word.
TEST(FileSetReplacement, AReadOnlyLaunchFileIsRefusedAndReadOnlyLeftoversGo) {
    SavedSet set;
    auto& [platform, start, first, second, earlier] = set;
    for (const char* name : {"qorvex.cfg", "qorvex.bat"}) {
        SetFileAttributesA((start / name).c_str(), FILE_ATTRIBUTE_READONLY);
        for (const bool reset : {false, true}) {
            try {
                if (reset)
                    DeleteLaunchFiles(platform, start.path());
                else
                    WriteLaunchFiles(platform, second, "C:\\NEW", start.path());
                ADD_FAILURE() << name << " is read-only, and yet";
            } catch (const IoError& error) {
                EXPECT_EQ(error.what(), start / name +
                                            " is read-only. Clear \"Read-only\" in its "
                                            "Properties, then try again.\n\nNothing was " +
                                            (reset ? "removed" : "saved") +
                                            ": the files as they were before stand.");
            }
            EXPECT_EQ(FilesOf(start), earlier);
        }
        SetFileAttributesA((start / name).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    for (const char* name : {"qorvex.cfg.tarnwick-earlier", "qorvex.rspe3"})
        SetFileAttributesA(start.AddFile(name, "left over").c_str(), FILE_ATTRIBUTE_READONLY);
    const Recovered recovered = RecoverLaunchFiles(platform, start.path());
    EXPECT_EQ(recovered.recovery, Recovery::None);
    EXPECT_EQ(recovered.words, "");
    EXPECT_EQ(FilesOf(start), earlier);
}

// A file named like a record that is larger than any record (3 GB, sparse
// where the file system can), under either version's name, or that is no
// record, is neither read nor touched; Save goes on beside it.
TEST(FileSetReplacement, AHugeFileNamedLikeARecordIsNotReadNorTouched) {
    Win32Platform platform;
    TempFolder start;
    constexpr LONGLONG kSize = 3LL << 30;
    for (const char* name : {"qorvex.setc0", "qorvex.tarnwick-commit"}) {
        const HANDLE file = CreateFileA((start / name).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD returned = 0;
        DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
        LARGE_INTEGER size{};
        size.QuadPart = kSize;
        EXPECT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
        CloseHandle(file);
    }
    start.AddFile("qorvex.setu1", "qorvex.rsp replaced\r\n");
    EXPECT_EQ(RecoverLaunchFiles(platform, start.path()).words, "");
    LaunchSettings settings;
    settings.iwad = "DOOM 2: Hell on Earth";
    EXPECT_EQ(WriteLaunchFiles(platform, settings, "C:\\WADS", start.path()), "");
    EXPECT_EQ(FileText(start / "qorvex.setu1"), "qorvex.rsp replaced\r\n");
    EXPECT_EQ(FileText(start / "qorvex.rsp"), "-iwad \"doom2.wad\"\r\n+exec qorvex.cfg\r\n");
    for (const char* name : {"qorvex.setc0", "qorvex.tarnwick-commit"}) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        ASSERT_TRUE(GetFileAttributesExA((start / name).c_str(), GetFileExInfoStandard, &data));
        EXPECT_EQ((LONGLONG(data.nFileSizeHigh) << 32) | data.nFileSizeLow, kSize) << name;
        DeleteFileA((start / name).c_str());
    }
}

// Under Wine a Unix symbolic link shows as a plain file, and a move or a
// deletion through it acts on its target. As a launch file it is refused;
// as a file of ours it stays, said; its target, outside the folder, keeps
// its place and its bytes.
TEST(FileSetReplacement, ALinkIsNeverFollowedToMoveOrDeleteAFileElsewhere) {
    if (!UnderWine()) GTEST_SKIP() << "the links are made on the Unix side";
    Win32Platform platform;
    TempFolder start;
    TempFolder elsewhere;
    const std::string target = elsewhere.AddFile("target.txt", "not ours");
    LaunchSettings settings;
    settings.iwad = "DOOM 2: Hell on Earth";
    WriteLaunchFiles(platform, settings, "C:\\WADS", start.path());
    const auto link = [&](const char* name) {
        DeleteFileA((start / name).c_str());
        ASSERT_EQ(RunUnixCommand("ln -s " + ShellWord(UnixPath(target)) + " " +
                                 ShellWord(UnixPath(start / name))),
                  0);
    };
    link("qorvex.cfg");
    EXPECT_EQ(platform.WhatStopsReplacing(start / "qorvex.cfg"), FileObstacle::Link);
    EXPECT_EQ(platform.WhatStopsReplacing(start / "qorvex.rsp"), FileObstacle::None);
    for (const bool reset : {false, true}) {
        try {
            if (reset)
                DeleteLaunchFiles(platform, start.path());
            else
                WriteLaunchFiles(platform, settings, "C:\\WADS", start.path());
            ADD_FAILURE() << "a link was replaced";
        } catch (const IoError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(start / "qorvex.cfg is a link", 0), 0u)
                << error.what();
        }
    }
    link("qorvex.cfge4");
    RunUnixCommand("rm " + ShellWord(UnixPath(start / "qorvex.cfg")));
    const std::string words = WriteLaunchFiles(platform, settings, "C:\\WADS", start.path());
    EXPECT_NE(words.find(start / "qorvex.cfge4 leads to a file elsewhere"), std::string::npos)
        << words;
    EXPECT_EQ(FileText(target), "not ours");
    EXPECT_EQ(FileText(start / "qorvex.cfg").rfind("skill 3\r\n", 0), 0u);
    RunUnixCommand("rm " + ShellWord(UnixPath(start / "qorvex.cfge4")));
}

// The longest start folder the program takes: every file of a change, the
// record, the lock and the mark, fits the 12 characters of room it leaves.
TEST(FileSetReplacement, AStartFolderOfTheLongestLengthTakesEveryFileOfAChange) {
    Win32Platform platform;
    TempFolder root;
    std::string folder = root.path();
    while (folder.size() < kLongestFolder) {
        folder +=
            "\\" + std::string(std::min<std::size_t>(kLongestFolder - folder.size() - 1, 60), 'd');
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder.size();
    }
    ASSERT_EQ(folder.size(), kLongestFolder);
    LaunchSettings settings;
    settings.iwad = "DOOM 2: Hell on Earth";
    for (const char* map : {"MAP01", "MAP02"}) {
        settings.startMap = map;
        EXPECT_EQ(WriteLaunchFiles(platform, settings, "C:\\WADS", folder), "");
    }
    EXPECT_NE(FileText(folder + "\\qorvex.rsp").find("+map MAP02"), std::string::npos);
    // A change cut short after its first move, completed by the next start.
    const std::string relative = folder.substr(root.path().size() + 1) + "\\";
    ASSERT_TRUE(MoveFileA((folder + "\\qorvex.rsp").c_str(), (folder + "\\qorvex.rspe5").c_str()));
    root.AddFile(relative + "qorvex.rsp", "+map MAP03\r\n");
    root.AddFile(relative + "qorvex.setc5",
                 "qorvex.rsp replaced\r\nqorvex.cfg absent\r\nqorvex.bat absent\r\nend\r\n");
    EXPECT_EQ(RecoverLaunchFiles(platform, folder).recovery, Recovery::NewSetKept);
    EXPECT_EQ(FileText(folder + "\\qorvex.rsp"), "+map MAP03\r\n");
    EXPECT_EQ(FileText(folder + "\\qorvex.rspe5"), "<missing>");
    EXPECT_EQ(DeleteLaunchFiles(platform, folder), "");
    EXPECT_EQ(FileText(folder + "\\qorvex.rsp"), "<missing>");
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

    // A port and a WAD folder in the system's letters. In a double-byte code
    // page their second bytes that look like "|", "^" and "@" are none of
    // them to cmd, which reads characters: the lines hold them unquoted.
    const std::string letters = start.AddFolder(SystemLetters());
    start.AddFile(SystemLetters() + "\\show.bat",
                  "@set DOOMWADDIR> seen.txt\r\n@echo %1> argument.txt\r\n");
    s.customExecutable = letters + "\\show.bat";
    WriteLaunchFiles(platform, s, letters, start.path());
    const std::string oemLetters = testing::AnsiTextIn(letters, CP_OEMCP);
    EXPECT_EQ(FileText(start / "qorvex.bat"),
              "set DOOMWADDIR=" + oemLetters + "\r\n" + oemLetters + "\\show.bat @qorvex.rsp\r\n");
    RunAndWait("cmd.exe /c qorvex.bat > output.txt", start.path());
    EXPECT_EQ(FileText(start / "seen.txt"), "DOOMWADDIR=" + oemLetters + "\r\n");
    EXPECT_EQ(FileText(start / "argument.txt"), "@qorvex.rsp\r\n");
}

// A WAD file of the given kind ("IWAD" or "PWAD") holding empty lumps.
std::string WadBytes(std::string_view kind, std::initializer_list<std::string_view> lumps) {
    const auto int32 = [](std::size_t value) {
        std::string bytes(4, '\0');
        for (std::size_t i = 0; i < 4; ++i)
            bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        return bytes;
    };
    constexpr std::size_t kHeaderSize = 12;
    std::string bytes = std::string(kind) + int32(lumps.size()) + int32(kHeaderSize);
    for (std::string_view lump : lumps) {
        std::string name(lump);
        name.resize(8, '\0');
        bytes += int32(kHeaderSize) + int32(0) + name;
    }
    return bytes;
}

// The names a port took as files to load, from its start-up output: " adding
// NAME", or " merging NAME !" where it merges resource files into the IWAD.
std::vector<std::string> NamesTaken(const std::string& output) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < output.size()) {
        std::size_t end = output.find('\n', start);
        if (end == std::string::npos) end = output.size();
        std::string line = output.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with(" adding ")) names.push_back(line.substr(8));
        if (line.starts_with(" merging ") && line.ends_with(" !"))
            names.push_back(line.substr(9, line.size() - 11));
    }
    return names;
}

// Debian's Chocolate Doom and Crispy Doom, started on a response file that
// Save wrote for a custom port (in UTF-8, which Linux names are in), with a
// custom IWAD and resource files whose names hold blanks and letters beyond ASCII.
TEST(RealPorts, TakeTheResourceFilesOfOurResponseFileWholeAndInOrder) {
    if (!UnderWine()) GTEST_SKIP() << "the ports run on the Unix side";
    Win32Platform platform;
    TempFolder start;
    // Just enough of an IWAD for the ports to come to the resource files: a
    // map to tell the game by, and the sections they merge resources into.
    start.AddFile("test iwad.wad",
                  WadBytes("IWAD", {"MAP01", "F_START", "F_END", "S_START", "S_END"}));
    LaunchSettings s;
    s.sourcePort = 3;
    s.customExecutable = "port.exe";
    s.iwad = "Custom...";
    s.customIwad = "test iwad.wad";
    const std::string accented = "carte " + SystemLetters() + ".wad";
    s.files = {"my map.wad", "plain.wad", "second level.wad", accented};
    for (const std::string& name : s.files)
        start.AddFile(name, WadBytes("PWAD", {}));
    WriteLaunchFiles(platform, s, start.path(), start.path());

    const std::string folder = UnixPath(start.path());
    for (const std::string port : {"chocolate-doom", "crispy-doom"}) {
        SCOPED_TRACE(port);
        const std::string program = "/usr/games/" + port;
        if (RunUnixCommand("test -x " + program) != 0)
            GTEST_SKIP() << program << " is not installed; scripts/install-deps.sh installs it";
        // Headless, with a home of its own; it stops where the IWAD lacks game
        // data, after it has taken the files.
        RunUnixCommand("cd '" + folder + "' && HOME='" + folder +
                       "' SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 60 " + program +
                       " @qorvex.rsp -nosound -nomusic > '" + port + ".txt' 2>&1");
        // They take the words of the line after "-file ", "+exec qorvex.cfg"
        // (a console command for the ports the launcher is made for), as two
        // more files: they end a file list only at an argument beginning with
        // "-". The resource names reach them whole, in order.
        const std::vector<std::string> taken = NamesTaken(FileText(start / (port + ".txt")));
        EXPECT_EQ(taken, (std::vector<std::string>{
                             "test iwad.wad", "my map.wad", "plain.wad", "second level.wad",
                             testing::AnsiTextIn(accented, CP_UTF8), "+exec", "qorvex.cfg"}))
            << FileText(start / (port + ".txt"));
        // The reading that the Launch Command dialog shows for them: the
        // IWAD, then every argument after "-file".
        ASSERT_EQ(LineOf(platform.CodePage(), port + ".exe"), PortLine::Chocolate);
        std::vector<std::string> read =
            ResponseFileArguments(FileText(start / "qorvex.rsp"), PortLine::Chocolate);
        ASSERT_GE(read.size(), 3u);
        read.erase(read.begin() + 2); // "-file"
        read.erase(read.begin());     // "-iwad"
        EXPECT_EQ(read, taken);
    }
}

// Where cmd finds the port that the batch file names, as the Launch Command
// dialog shows it: in the start folder, then along PATH (the system's search).
TEST(FindProgram, LooksInTheStartFolderThenAlongPath) {
    Win32Platform platform;
    TempFolder start;
    TempFolder onPath;
    onPath.AddFile("port.exe");
    start.AddFolder("sub");
    start.AddFile("sub\\inner.exe");
    const std::string path = platform.GetEnvironment("PATH");
    platform.SetEnvironment("PATH", "C:\\nowhere;" + onPath.path() + ";" + path);
    EXPECT_EQ(FindProgram(platform, start.path(), "port.exe"), onPath / "port.exe");
    start.AddFile("port.exe");
    EXPECT_EQ(FindProgram(platform, start.path(), "port.exe"), start / "port.exe");
    EXPECT_EQ(FindProgram(platform, start.path(), "sub\\inner.exe"), start / "sub\\inner.exe");
    EXPECT_EQ(FindProgram(platform, start.path(), onPath / "port.exe"), onPath / "port.exe");
    // A name with a folder part is not looked for along PATH.
    EXPECT_EQ(FindProgram(platform, start.path(), "sub\\port.exe"), "");
    EXPECT_EQ(FindProgram(platform, start.path(), "missing.exe"), "");
    EXPECT_EQ(FindProgram(platform, start.path(), ""), "");
    // cmd drops the double quotes around an entry, a semicolon within them
    // included; the system's own search would not.
    const std::string quoted = onPath.AddFolder("ports;x86");
    onPath.AddFile("ports;x86\\woof.exe");
    platform.SetEnvironment("PATH", "C:\\nowhere;\"" + quoted + "\";" + path);
    EXPECT_EQ(FindProgram(platform, start.path(), "woof.exe"), quoted + "\\woof.exe");
    platform.SetEnvironment("PATH", path);
}

TEST(RunLaunch, StartsTheBatchFileAndReportsOneThatCannotStart) {
    Win32Platform platform;
    TempFolder start;
    start.AddFile("port.bat", "@set DOOMWADDIR> seen.txt\r\n");
    LaunchSettings s;
    s.sourcePort = 3;
    s.customExecutable = "port.bat";
    // As Run does it.
    WriteLaunchFiles(platform, s, "C:\\WADS", start.path());
    StartLaunchFiles(platform);
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
    // A port that Run starts itself and that cannot start is named; the
    // DOOMWADDIR it was to get is not left in this process.
    platform.SetEnvironment("DOOMWADDIR", "C:\\BEFORE");
    try {
        platform.StartProgram(start / "gone.exe", "gone.exe -iwad x", start.path(), "DOOMWADDIR",
                              "C:\\WADS");
        ADD_FAILURE() << "starting a missing port succeeded";
    } catch (const IoError& error) {
        EXPECT_EQ(error.what(), "The source port cannot be started:\n" + (start / "gone.exe") +
                                    "\n" + SystemMessage(error.code()));
    }
    EXPECT_EQ(platform.GetEnvironment("DOOMWADDIR"), "C:\\BEFORE");
    SetEnvironmentVariableA("DOOMWADDIR", nullptr);
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
}

} // namespace
} // namespace tarnwick
