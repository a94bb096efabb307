// Two launchers saving in one folder a few milliseconds apart, on the real
// Win32 file calls: this program started twice more, each copy saving when
// told, round after round, in both orders. The one that comes second waits
// for the first one's lock, so the folder always ends with one whole set,
// and a launcher that says it saved did.
#include "LaunchWriter.h"
#include "TempFolder.h"
#include "Win32Platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

namespace tarnwick {
namespace {

using testing::FileText;
using testing::TempFolder;

constexpr int kRounds = 100;

std::string Variable(const char* name) {
    char value[MAX_PATH] = "";
    GetEnvironmentVariableA(name, value, MAX_PATH);
    return value;
}

// What launcher `who` saves in round `round`: every file of it differs from
// every other round's and from the other launcher's.
LaunchSettings SetOf(const std::string& who, int round) {
    LaunchSettings settings;
    settings.iwad = "DOOM 2: Hell on Earth";
    settings.startMap = who + std::to_string(round);
    settings.gravity = settings.startMap;
    return settings;
}

std::string WadDirOf(const std::string& who, int round) {
    return "C:\\" + who + std::to_string(round);
}

HANDLE Event(const std::string& name) { return CreateEventA(nullptr, FALSE, FALSE, name.c_str()); }

// The copy that saves: started by the test below with its folder, its name
// and the names of its two events; it says how each round went in a file.
TEST(TwoLaunchers, DISABLED_SaveWhenTold) {
    const std::string folder = Variable("TWO_LAUNCHERS_FOLDER");
    const std::string who = Variable("TWO_LAUNCHERS_WHO");
    const HANDLE go = Event(Variable("TWO_LAUNCHERS_EVENTS") + "go" + who);
    const HANDLE done = Event(Variable("TWO_LAUNCHERS_EVENTS") + "done" + who);
    Win32Platform platform;
    for (int round = 0; round < kRounds; ++round) {
        ASSERT_EQ(WaitForSingleObject(go, 30000), WAIT_OBJECT_0);
        std::string said = "saved";
        try {
            WriteLaunchFiles(platform, SetOf(who, round), WadDirOf(who, round), folder);
        } catch (const IoError& error) {
            said = error.what();
        }
        FILE* file = std::fopen((folder + "\\..\\said" + who).c_str(), "wb");
        std::fputs(said.c_str(), file);
        std::fclose(file);
        SetEvent(done);
    }
}

TEST(TwoLaunchers, SavingInOneFolderAtOnceLeaveOneWholeSetAndSayTrue) {
    TempFolder root;
    const std::string folder = root.AddFolder("start");
    Win32Platform platform;
    const std::string events = "tarnwick-two-launchers-" + std::to_string(GetCurrentProcessId());
    HANDLE go[2], done[2], process[2];
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    SetEnvironmentVariableA("TWO_LAUNCHERS_FOLDER", folder.c_str());
    SetEnvironmentVariableA("TWO_LAUNCHERS_EVENTS", events.c_str());
    for (int i = 0; i < 2; ++i) {
        const std::string who(1, static_cast<char>('A' + i));
        go[i] = Event(events + "go" + who);
        done[i] = Event(events + "done" + who);
        SetEnvironmentVariableA("TWO_LAUNCHERS_WHO", who.c_str());
        std::string line = std::string("\"") + self +
                           "\" --gtest_filter=TwoLaunchers.DISABLED_SaveWhenTold "
                           "--gtest_also_run_disabled_tests --gtest_brief=1";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &started));
        CloseHandle(started.hThread);
        process[i] = started.hProcess;
    }

    std::string standing = "none";
    int both = 0;
    int one = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        // Both orders, 0 to 20 ms apart: the second is told to save while
        // the first is at some step of its own save.
        const int first = round % 2;
        SetEvent(go[first]);
        Sleep(static_cast<DWORD>(round * 7 % 21));
        SetEvent(go[1 - first]);
        ASSERT_EQ(WaitForMultipleObjects(2, done, TRUE, 30000), WAIT_OBJECT_0) << "a copy hangs";

        bool saved[2];
        for (int i = 0; i < 2; ++i) {
            const std::string said = FileText(root / (std::string("said") + char('A' + i)));
            saved[i] = said == "saved";
            EXPECT_TRUE(saved[i] ||
                        said.starts_with("Another launcher is saving in this folder, " + folder))
                << said;
        }
        both += saved[0] && saved[1];
        one += saved[0] != saved[1];
        // The set in place, whole, by its map; nothing else of ours.
        const std::string response = FileText(folder + "\\qorvex.rsp");
        const std::size_t map = response.find("+map ");
        const std::string now = map == std::string::npos
                                    ? "none"
                                    : response.substr(map + 5, response.find('\r', map) - map - 5);
        if (now != "none") {
            const std::string who = now.substr(0, 1);
            const int of = std::stoi(now.substr(1));
            const LaunchFileSet whole =
                LaunchFilesToSave(platform, SetOf(who, of), WadDirOf(who, of), folder);
            EXPECT_EQ(response, whole.responseFile);
            EXPECT_EQ(FileText(folder + "\\qorvex.cfg"), whole.consoleScript);
            EXPECT_EQ(FileText(folder + "\\qorvex.bat"), whole.batchFile);
        }
        std::size_t files = 0;
        Win32Platform().ListMatches(
            folder + "\\*", [&](std::string_view name) { files += name != "." && name != ".."; });
        EXPECT_EQ(files, now == "none" ? 0u : 3u);
        // A launcher that says it saved did: its set stands, unless the
        // other one saved too, after it.
        const std::string ours[2] = {"A" + std::to_string(round), "B" + std::to_string(round)};
        if (saved[0] || saved[1])
            EXPECT_TRUE((saved[0] && now == ours[0]) || (saved[1] && now == ours[1])) << now;
        else
            EXPECT_EQ(now, standing);
        standing = now;
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(WaitForSingleObject(process[i], 30000), WAIT_OBJECT_0);
        CloseHandle(process[i]);
        CloseHandle(go[i]);
        CloseHandle(done[i]);
    }
    std::printf("%d rounds: both saved, one after the other, in %d; one in %d; none in %d\n",
                kRounds, both, one, kRounds - both - one);
}

} // namespace
} // namespace tarnwick
