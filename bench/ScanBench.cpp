// Times the two folder scans against a bare FindFirstFileA/FindNextFileA loop
// over the same patterns in a folder of 20,000 files, and prints the ratio.
// Listing the folder is the part no launcher can avoid; the scans should add
// little to it.
#include "BenchSupport.h"
#include "GameDataScan.h"
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
using tarnwick::bench::RemoveTree;

using tarnwick::Win32Platform;

std::string MakeFolder(int fileCount) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    const std::string folder =
        std::string(base) + "tarnwick-scan-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const char* endings[] = {".wad", ".wad", ".wad", ".wad", ".wad", ".pk3", ".pk3",
                             ".pk3", ".deh", ".deh", ".bex", ".txt", ".txt", ".zip",
                             ".lmp", ".zds", ".txt", ".ini", ".png", ".cfg"};
    for (int i = 0; i < fileCount; ++i) {
        const std::string path = folder + "\\file" + std::to_string(i) + endings[i % 20];
        const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    for (const char* name : {"DOOM2.WAD", "heretic.wad", "STRIFE0.WAD"}) {
        const HANDLE file = CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    return folder;
}

// The same ten listings the two scans make, doing nothing with the names.
std::size_t BareListing(const std::string& folder) {
    std::vector<std::string> patterns = {"*.wad", folder + "\\*.wad"};
    for (int twice = 0; twice < 2; ++twice)
        for (const char* ending : {"\\*.wad", "\\*.pk3", "\\*.deh", "\\*.bex"})
            patterns.push_back(folder + ending);
    return CountMatches(patterns);
}

} // namespace

int main() {
    const int fileCount = 20000;
    const std::string folder = MakeFolder(fileCount);
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
    RemoveTree(folder);

    const double scanMedian = Median(scans);
    const double bareMedian = Median(bare);
    std::printf("folder of %d files (+3 IWADs), 9 alternating runs, medians:\n", fileCount);
    std::printf("  ScanResourceCandidates + ScanIwads: %8.1f ms  (%zu names and titles)\n",
                scanMedian * 1000, found);
    std::printf("  bare FindFirstFileA loop:           %8.1f ms  (%zu entries)\n",
                bareMedian * 1000, listed);
    std::printf("  ratio scans / bare listing:         %8.3f  (target: at most 1.2)\n",
                scanMedian / bareMedian);
    return 0;
}
