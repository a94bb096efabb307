// Times the launcher's start-up, from starting tarnwick.exe to the main
// window being ready (the focus on cbSource, which the start-up sequence
// gives last, after Load), in three cases measured alternately in one run:
// an empty WAD folder; a WAD folder of 20,000 files with a saved set that
// names it and lists 2,000 resource files; and a saved set of 50,000 names on
// its one "-file " line, with an empty WAD folder. Beside them it times a bare
// FindFirstFileA loop over the listings that the large start-up makes, the
// part that no launcher can avoid, and a bare Win32 program with the same
// imports and manifest (BARE_WINDOW_EXE), the floor of any start-up; the same
// program once more with as many windows of each kind as the main window has,
// painted, the floor of any start-up with the launcher's window set. It also
// prints the peak working set of the large start-up beside the bare program's,
// and the first start without DOOMWADDIR to the WAD directory dialog's field,
// which the search for the folders that hold games fills.
#include "BenchSupport.h"
#include "DirSetupControlIds.h"
#include "LauncherDriver.h"
#include "MainControlIds.h"
#include "TempFolder.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using tarnwick::bench::CountMatches;
using tarnwick::bench::Median;
using tarnwick::bench::Now;
using tarnwick::testing::TempFolder;

using namespace tarnwick::e2e;
using tarnwick::MainId;

constexpr int kWadFiles = 20000;
constexpr int kListedFiles = 2000;
constexpr int kManyNames = 50000;
constexpr int kRuns = 9;
// After each start the launcher's end is left to settle: a start right after
// another process's end was measured 40 ms slower whichever the case, which
// alternating runs would charge to one case only.
constexpr DWORD kSettle = 300;
// How often the driver looks for the ready window: often enough to see the
// end within a few milliseconds, seldom enough not to slow the start-up.
constexpr milliseconds kLook{2};
// Tells the bare program to make the main window's child windows too.
const std::map<std::string, std::optional<std::string>> kWithControls = {
    {"BARE_WINDOW_CONTROLS", "1"}};

// The i-th file of the large WAD folder: 11 of every 20 are resource files.
std::string FileName(int i) {
    static const char* const endings[] = {".wad", ".wad", ".wad", ".wad", ".wad", ".pk3", ".pk3",
                                          ".pk3", ".deh", ".deh", ".bex", ".txt", ".txt", ".zip",
                                          ".lmp", ".zds", ".txt", ".ini", ".png", ".cfg"};
    return "file" + std::to_string(i) + endings[i % 20];
}

struct Case {
    std::string start;  // where the launcher starts
    std::string wadDir; // DOOMWADDIR
};

// The start-up's listings for one case: the IWAD scan ("*.wad" in the
// current folder, then in the WAD folder) and the resource scan (four
// patterns in each folder), once at activation and once more when Load takes
// the WAD folder from a saved batch file.
std::vector<std::string> StartupPatterns(const Case& scenario, bool savedSet) {
    std::vector<std::string> patterns;
    for (int round = 0; round < (savedSet ? 2 : 1); ++round) {
        patterns.push_back("*.wad");
        patterns.push_back(scenario.wadDir + "\\*.wad");
        for (const std::string& folder : {scenario.start, scenario.wadDir})
            for (const char* pattern : {"\\*.wad", "\\*.pk3", "\\*.deh", "\\*.bex"})
                patterns.push_back(folder + pattern);
    }
    return patterns;
}

std::size_t BareListing(const Case& scenario, const std::vector<std::string>& patterns) {
    SetCurrentDirectoryA(scenario.start.c_str());
    const std::size_t count = CountMatches(patterns);
    SetCurrentDirectoryA("C:\\");
    return count;
}

// Seconds from the start of the process to the ready window; the launcher is
// closed afterwards (not timed). listed: the resource files Load put in the list.
struct Startup {
    double seconds = 0;       // to the ready window
    int listed = 0;           // the resource files Load put in the list
    double peakMegabytes = 0; // the peak working set up to then
};

double PeakWorkingSetMegabytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return 0;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

// From the start of the process to the ready window; the program is closed
// afterwards (not timed).
Startup TimeStartup(const std::string& program, const Case& scenario,
                    const std::map<std::string, std::optional<std::string>>& environment = {}) {
    std::map<std::string, std::optional<std::string>> variables = environment;
    variables["DOOMWADDIR"] = scenario.wadDir;
    const double start = Now();
    LauncherProcess launcher(scenario.start, variables, true, program);
    const milliseconds patience{300000};
    HWND window = nullptr;
    HWND source = nullptr;
    const auto isReady = [&] {
        if (window == nullptr && (window = FindWindowOf(launcher.id(), "Tarnwick Pro")) != nullptr)
            source = RemoteControl(window, MainId::cbSource).hwnd();
        return window != nullptr && FocusOf(window) == source;
    };
    if (!WaitUntil(isReady, patience, kLook))
        throw std::runtime_error("the start-up sequence did not end");
    Startup result;
    result.seconds = Now() - start;
    result.peakMegabytes = PeakWorkingSetMegabytes(launcher.handle());
    if (GetDlgItem(window, MainId::lbPwads) != nullptr) // not in the bare program
        result.listed = RemoteControl(window, MainId::lbPwads).ItemCount();
    PostMessageA(window, WM_CLOSE, 0, 0);
    launcher.WaitForExit();
    Sleep(kSettle);
    return result;
}

// From the start of the process without DOOMWADDIR to the WAD directory
// dialog with the focus in its field; the program is closed afterwards.
double TimeFirstStart(const std::string& program, const std::string& start) {
    const double begin = Now();
    LauncherProcess launcher(start, {{"DOOMWADDIR", std::nullopt}}, true, program);
    HWND dialog = nullptr;
    HWND field = nullptr;
    const auto isReady = [&] {
        if (dialog == nullptr && (dialog = FindWindowOf(launcher.id(), "Directory Setup")))
            field = GetDlgItem(dialog, tarnwick::DirSetupId::leWADDIR);
        const HWND focus = dialog ? FocusOf(dialog) : nullptr;
        return focus != nullptr && (focus == field || GetParent(focus) == field);
    };
    if (!WaitUntil(isReady, milliseconds{300000}, kLook))
        throw std::runtime_error("the WAD directory dialog did not come");
    const double seconds = Now() - begin;
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    const HWND window = WaitForWindow(launcher.id(), "Tarnwick Pro");
    WaitUntil([&] { return FindWindowOf(launcher.id(), "Directory Setup") == nullptr; });
    PostMessageA(window, WM_CLOSE, 0, 0);
    launcher.WaitForExit();
    Sleep(kSettle);
    return seconds;
}

} // namespace

int main() {
    const TempFolder root;
    const Case empty{root.AddFolder("empty-start"), root.AddFolder("empty-wads")};
    const Case large{root.AddFolder("large-start"), root.AddFolder("large-wads")};
    const Case names{root.AddFolder("names-start"), empty.wadDir};

    for (int i = 0; i < kWadFiles; ++i)
        root.AddFile("large-wads\\" + FileName(i));
    root.AddFile("large-wads\\DOOM2.WAD");
    std::string files = "-file";
    for (int i = 0, listed = 0; listed < kListedFiles; ++i)
        if (i % 20 < 8) { // .wad and .pk3: the "-file " line
            files += " " + FileName(i);
            ++listed;
        }
    root.AddFile("large-start\\qorvex.rsp",
                 "-iwad \"doom2.wad\"\r\n" + files + "\r\n+exec qorvex.cfg\r\n");
    root.AddFile("large-start\\qorvex.cfg",
                 "skill 3\r\nfraglimit 0\r\ntimelimit 0\r\nsv_gravity 800.00\r\n"
                 "sv_aircontrol 0.00390625\r\nteamdamage 0\r\n");
    root.AddFile("large-start\\qorvex.bat",
                 "set DOOMWADDIR=" + large.wadDir + "\r\ngzdoom.exe @qorvex.rsp\r\n");

    std::string manyNames = "-file";
    for (int i = 0; i < kManyNames; ++i)
        manyNames += " name" + std::to_string(i) + ".wad";
    root.AddFile("names-start\\qorvex.rsp", manyNames + "\r\n+exec qorvex.cfg\r\n");
    root.AddFile("names-start\\qorvex.bat",
                 "set DOOMWADDIR=" + names.wadDir + "\r\ngzdoom.exe @qorvex.rsp\r\n");

    const std::vector<std::string> largePatterns = StartupPatterns(large, true);
    const std::vector<std::string> emptyPatterns = StartupPatterns(empty, false);
    std::vector<double> emptyTimes, largeTimes, namesTimes, bareTimes, bareControlsTimes, bareLarge,
        bareEmpty, firstTimes;
    Startup largeStart, namesStart, bareStart;
    std::size_t entries = 0;
    try {
        const std::string launcher = LauncherPath();
        const std::string bare = ProgramPath("BARE_WINDOW_EXE");
        // One start of each first, to warm the caches; not counted.
        TimeStartup(bare, empty);
        TimeStartup(bare, empty, kWithControls);
        TimeStartup(launcher, empty);
        TimeStartup(launcher, large);
        TimeStartup(launcher, names);
        TimeFirstStart(launcher, empty.start);
        for (int run = 0; run < kRuns; ++run) {
            bareStart = TimeStartup(bare, empty);
            bareTimes.push_back(bareStart.seconds);
            bareControlsTimes.push_back(TimeStartup(bare, empty, kWithControls).seconds);
            emptyTimes.push_back(TimeStartup(launcher, empty).seconds);
            largeStart = TimeStartup(launcher, large);
            largeTimes.push_back(largeStart.seconds);
            namesStart = TimeStartup(launcher, names);
            namesTimes.push_back(namesStart.seconds);
            firstTimes.push_back(TimeFirstStart(launcher, empty.start));
            double start = Now();
            entries = BareListing(large, largePatterns);
            bareLarge.push_back(Now() - start);
            start = Now();
            BareListing(empty, emptyPatterns);
            bareEmpty.push_back(Now() - start);
        }
    } catch (const std::exception& error) {
        std::printf("start-up benchmark failed: %s\n", error.what());
        return 1;
    }

    const double bareWindow = Median(bareTimes);
    const double emptyMedian = Median(emptyTimes);
    const double largeMedian = Median(largeTimes);
    const double bareMedian = Median(bareLarge);
    std::printf("start-up to the ready window, %d alternating runs each, medians:\n", kRuns);
    std::printf("  bare Win32 program, one window and one list:   %8.1f ms\n", bareWindow * 1000);
    std::printf("  empty WAD folder, no saved set:                %8.1f ms\n", emptyMedian * 1000);
    std::printf("  ratio empty / bare program:                    %8.3f  (target: at most 1.3)\n",
                emptyMedian / bareWindow);
    const double bareControls = Median(bareControlsTimes);
    std::printf("  bare program with the main window's windows:   %8.1f ms\n", bareControls * 1000);
    std::printf("  ratio empty / that program:                    %8.3f\n",
                emptyMedian / bareControls);
    std::printf("  %d files, saved set listing %d files:     %8.1f ms  (%d files loaded)\n",
                kWadFiles, kListedFiles, largeMedian * 1000, largeStart.listed);
    std::printf("  saved set of %d names on one -file line:    %8.1f ms  (%d files loaded)\n",
                kManyNames, Median(namesTimes) * 1000, namesStart.listed);
    std::printf("  difference, large - empty:                     %8.1f ms\n",
                (largeMedian - emptyMedian) * 1000);
    std::printf("  bare FindFirstFileA loop, the large start-up's %zu listings\n"
                "    (10 at activation, 10 again after Load):     %8.1f ms  (%zu entries)\n",
                largePatterns.size(), bareMedian * 1000, entries);
    std::printf("  bare loop, the empty start-up's %zu listings:   %8.1f ms\n",
                emptyPatterns.size(), Median(bareEmpty) * 1000);
    std::printf("  ratio (large - empty) / bare listing:          %8.3f  (target: at most 1.3)\n",
                (largeMedian - emptyMedian) / bareMedian);
    std::printf("  first start without DOOMWADDIR, to the WAD directory dialog's\n"
                "    field (nothing installed):                   %8.1f ms\n",
                Median(firstTimes) * 1000);
    std::printf("peak working set, last run:\n");
    std::printf("  bare Win32 program:                            %8.1f MB\n",
                bareStart.peakMegabytes);
    std::printf("  large start-up:                                %8.1f MB\n",
                largeStart.peakMegabytes);
    std::printf("  ratio large / bare program:                    %8.3f  (target: at most 1.2)\n",
                largeStart.peakMegabytes / bareStart.peakMegabytes);
    return 0;
}
