// Times the two folder scans against a bare FindFirstFileA/FindNextFileA loop
// over the same patterns in a folder of 20,000 files, and prints the ratio.
// Listing the folder is the part no launcher can avoid; the scans should add
// little to it. Then times the search for the folders that hold games, which
// the WAD directory dialog makes each time it opens: on a machine with
// nothing installed, and with a Steam install of three libraries, against a
// bare loop over the same listings; and with a list of 50,000 libraries, of
// which only those three are there.
#include "BenchSupport.h"
#include "GameDataScan.h"
#include "GameFolderCandidates.h"
#include "GameFolderSearch.h"
#include "TempFolder.h"
#include "Win32Platform.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using tarnwick::bench::CountMatches;
using tarnwick::bench::Median;
using tarnwick::bench::Now;
using tarnwick::testing::TempFolder;

using tarnwick::Win32Platform;

void FillFolder(const TempFolder& folder, int fileCount) {
    const char* endings[] = {".wad", ".wad", ".wad", ".wad", ".wad", ".pk3", ".pk3",
                             ".pk3", ".deh", ".deh", ".bex", ".txt", ".txt", ".zip",
                             ".lmp", ".zds", ".txt", ".ini", ".png", ".cfg"};
    for (int i = 0; i < fileCount; ++i)
        folder.AddFile("file" + std::to_string(i) + endings[i % 20]);
    for (const char* name : {"DOOM2.WAD", "heretic.wad", "STRIFE0.WAD"})
        folder.AddFile(name);
}

// The same ten listings the two scans make, doing nothing with the names.
std::size_t BareListing(const std::string& folder) {
    std::vector<std::string> patterns = {"*.wad", folder + "\\*.wad"};
    for (int twice = 0; twice < 2; ++twice)
        for (const char* ending : {"\\*.wad", "\\*.pk3", "\\*.deh", "\\*.bex"})
            patterns.push_back(folder + ending);
    return CountMatches(patterns);
}

// A Steam install with three libraries (its own and two more, named in its
// libraryfolders.vdf), each holding some of the game folders; the list also
// names as many more libraries as asked for, which are not there: side by
// side in one folder that is not there, or each in a folder of its own.
// Returns the libraries.
std::vector<std::string> MakeSteam(const std::string& root, int missingLibraries,
                                   bool sideBySide = true) {
    const auto folders = [](const std::string& path, std::initializer_list<const char*> names) {
        for (std::size_t end = path.find('\\', 3); end != std::string::npos;
             end = path.find('\\', end + 1))
            CreateDirectoryA(path.substr(0, end).c_str(), nullptr);
        CreateDirectoryA(path.c_str(), nullptr);
        for (const char* name : names)
            CloseHandle(CreateFileA((path + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    };
    const std::string steam = root + "\\Steam";
    folders(steam + "\\steamapps\\common\\Ultimate Doom\\rerelease",
            {"DOOM.WAD", "DOOM2.WAD", "TNT.WAD", "PLUTONIA.WAD", "id1.wad", "extras.wad"});
    folders(root + "\\Library2\\steamapps\\common\\Doom 2\\base", {"DOOM2.WAD"});
    folders(root + "\\Library2\\steamapps\\common\\Final Doom\\base", {"TNT.WAD", "PLUTONIA.WAD"});
    folders(root + "\\Library3\\steamapps\\common\\Heretic + Hexen\\dos\\base\\heretic",
            {"HERETIC.WAD"});
    folders(root + "\\Library3\\steamapps\\common\\Hexen\\base", {"HEXEN.WAD"});
    folders(steam + "\\config", {});
    std::vector<std::string> libraries = {steam, root + "\\Library2", root + "\\Library3"};
    for (int missing = 0; missing < missingLibraries; ++missing)
        libraries.push_back(root + "\\Gone" + (sideBySide ? "" : std::to_string(missing)) +
                            "\\Library" + std::to_string(missing));
    std::string vdf = "\"libraryfolders\"\n{\n";
    int index = 0;
    for (const std::string& library : libraries) {
        std::string escaped;
        for (const char c : library)
            escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
        vdf += "\t\"" + std::to_string(index++) + "\"\n\t{\n\t\t\"path\"\t\t\"" + escaped +
               "\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"2280\"\t\t\"1\"\n\t\t}\n\t}\n";
    }
    vdf += "}\n";
    const HANDLE file = CreateFileA((steam + "\\config\\libraryfolders.vdf").c_str(), GENERIC_WRITE,
                                    0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, vdf.data(), static_cast<DWORD>(vdf.size()), &written, nullptr);
    CloseHandle(file);
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Valve\\Steam", "SteamPath", REG_SZ, steam.c_str(),
                    static_cast<DWORD>(steam.size() + 1));
    return libraries;
}

// The median time of the search, and of a bare loop that looks once into each
// library named (its steamapps\common) and into each folder named for a game
// there; the folders found.
void TimeSearch(const char* what, const std::string& start,
                const std::vector<std::string>& libraries = {}) {
    tarnwick::Win32Platform platform;
    std::vector<std::string> patterns;
    for (const std::string& library : libraries)
        patterns.push_back(library + "\\steamapps\\common\\*");
    tarnwick::FolderReach everywhere(platform, true);
    for (const std::string& folder : tarnwick::GameFolderCandidates(platform, start, everywhere))
        patterns.push_back(folder + "\\*.wad");
    std::vector<double> searches;
    std::vector<double> bare;
    std::size_t found = 0;
    for (int run = 0; run < 9; ++run) {
        double begin = Now();
        found = tarnwick::FindGameFolders(platform, start).size();
        searches.push_back(Now() - begin);
        begin = Now();
        CountMatches(patterns);
        bare.push_back(Now() - begin);
    }
    std::printf("  %-34s %8.2f ms  (%zu folders found; bare loop over %zu listings %.2f ms)\n",
                what, Median(searches) * 1000, found, patterns.size(), Median(bare) * 1000);
}

void TimeFolderSearch() {
    std::printf("the folders that hold games, 9 alternating runs, medians:\n");
    HKEY valve = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Valve", 0, KEY_READ, &valve) == ERROR_SUCCESS) {
        RegCloseKey(valve);
        std::printf("  (this prefix has a Steam key: not measured)\n");
        return;
    }
    {
        const TempFolder scratch;
        TimeSearch("nothing installed:", scratch.path());
        TimeSearch("Steam with three libraries:", scratch.path(), MakeSteam(scratch.path(), 0));
    }
    for (const bool sideBySide : {true, false}) {
        const TempFolder scratch;
        TimeSearch(sideBySide ? "Steam with 50,000 libraries listed:" : "the same, apart:",
                   scratch.path(), MakeSteam(scratch.path(), 50000 - 3, sideBySide));
    }
    std::printf("  (the three, and 49,997 that are not there: side by side in one folder that "
                "is not there, or apart, each in a folder of its own)\n");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Valve");
}

void TimeScans() {
    const int fileCount = 20000;
    const TempFolder scratch;
    FillFolder(scratch, fileCount);
    const std::string& folder = scratch.path();
    SetCurrentDirectoryA(folder.c_str());
    Win32Platform platform;

    std::vector<double> scans;
    std::vector<double> bare;
    std::size_t found = 0;
    std::size_t listed = 0;
    for (int run = 0; run < 9; ++run) {
        double start = Now();
        found = tarnwick::ScanResourceCandidates(platform, folder, folder).size() +
                tarnwick::ScanIwads(platform, {folder, folder}).titles.size();
        scans.push_back(Now() - start);
        start = Now();
        listed = BareListing(folder);
        bare.push_back(Now() - start);
    }
    SetCurrentDirectoryA("C:\\");

    const double scanMedian = Median(scans);
    const double bareMedian = Median(bare);
    std::printf("folder of %d files (+3 IWADs), 9 alternating runs, medians:\n", fileCount);
    std::printf("  ScanResourceCandidates + ScanIwads: %8.1f ms  (%zu names and titles)\n",
                scanMedian * 1000, found);
    std::printf("  bare FindFirstFileA loop:           %8.1f ms  (%zu entries)\n",
                bareMedian * 1000, listed);
    std::printf("  ratio scans / bare listing:         %8.3f  (target: at most 1.2)\n",
                scanMedian / bareMedian);
}

} // namespace

int main() {
    TimeScans();
    std::printf("\n");
    TimeFolderSearch();
    return 0;
}
