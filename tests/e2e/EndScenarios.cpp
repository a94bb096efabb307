// The ways the launcher ends: Run (which starts the port), Reset, Exit and
// the close box.
#include "Examples.h"
#include "RunningLauncher.h"
#include "ScenarioFolders.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarnwick::e2e {
namespace {

constexpr char kNotReady[] = "the start-up sequence never gave the focus to cbSource";

// The recording stand-in port, from RECORDING_PORT.
std::string RecordingPortPath() {
    char path[MAX_PATH] = "";
    if (GetEnvironmentVariableA("RECORDING_PORT", path, MAX_PATH) == 0) return {};
    std::string result = path;
    std::replace(result.begin(), result.end(), '/', '\\');
    return result;
}

TEST(End, RunSavesStartsThePortThroughTheBatchFileAndEnds) {
    ScenarioFolders folders;
    folders.AddToStart("DOOM2.WAD");
    // The port lies in a folder of its own, named in full by the saved set.
    const std::string port = folders.root.AddFolder("port") + "\\recording_port.exe";
    ASSERT_TRUE(CopyFileA(RecordingPortPath().c_str(), port.c_str(), FALSE))
        << "cannot copy the recording port from RECORDING_PORT";
    LaunchFileSet saved = DefaultExample(folders.wads);
    saved.bat = CrLfLines({"set DOOMWADDIR=" + folders.wads, port + " @qorvex.rsp"});
    WriteLaunchFileSet(folders.start, saved);

    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    EXPECT_EQ(launcher[MainId::cbSource].Text(), "Custom...");
    launcher[MainId::edtMap].Type("MAP03");
    launcher[MainId::btnRun].Click();

    ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end after Run";
    EXPECT_EQ(launcher.process().ExitCode(), 0u);
    LaunchFileSet written = saved;
    written.rsp = CrLfLines({"-iwad \"doom2.wad\"", "+exec qorvex.cfg", "+map MAP03"});
    ExpectLaunchFiles(folders.start, written);

    const std::string record = folders.start + "\\port-record.txt";
    ASSERT_TRUE(WaitUntil([&] {
        return testing::FileText(record).find("console=") != std::string::npos;
    })) << "the port was not started";
    EXPECT_EQ(testing::FileText(record),
              CrLfLines({"folder=" + folders.start, "DOOMWADDIR=" + folders.wads,
                         "console=not visible", "argument=@qorvex.rsp"}));
}

TEST(End, ResetDeletesTheThreeFilesAndEnds) {
    ScenarioFolders folders;
    folders.AddToStart("DOOM2.WAD");
    WriteLaunchFileSet(folders.start, DefaultExample(folders.wads));
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    launcher[MainId::btnReset].Click();
    ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end after Reset";
    EXPECT_EQ(launcher.process().ExitCode(), 0u);
    EXPECT_FALSE(AnyLaunchFileExists(folders.start));
    EXPECT_NE(GetFileAttributesA((folders.start + "\\DOOM2.WAD").c_str()), INVALID_FILE_ATTRIBUTES)
        << "Reset deletes the launch files only";
}

TEST(End, ResetWithoutFilesEndsSilently) {
    ScenarioFolders folders;
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    launcher[MainId::btnReset].Click();
    ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end after Reset";
    EXPECT_EQ(launcher.process().ExitCode(), 0u);
    EXPECT_FALSE(AnyLaunchFileExists(folders.start));
}

// Ends the launcher after an unsaved change; the saved set must stay as it was.
void ExpectEndWithoutSaving(void (*end)(const RunningLauncher&)) {
    ScenarioFolders folders;
    folders.AddToStart("DOOM2.WAD");
    const LaunchFileSet saved = DefaultExample(folders.wads);
    WriteLaunchFileSet(folders.start, saved);
    RunningLauncher launcher(folders.start, {{"DOOMWADDIR", folders.wads}});
    ASSERT_TRUE(launcher.WaitReady()) << kNotReady;
    launcher[MainId::edtMap].Type("MAP05");
    launcher[MainId::cbDeathmatch].Click();
    ASSERT_TRUE(launcher.Settle());
    ASSERT_TRUE(launcher[MainId::cbDeathmatch].Checked());
    end(launcher);
    ASSERT_TRUE(launcher.process().WaitForExit()) << "the launcher did not end";
    EXPECT_EQ(launcher.process().ExitCode(), 0u);
    ExpectLaunchFiles(folders.start, saved);
}

TEST(End, ExitEndsWithoutSaving) {
    ExpectEndWithoutSaving(
        [](const RunningLauncher& launcher) { launcher[MainId::btnExit].Click(); });
}

TEST(End, TheCloseBoxEndsWithoutSaving) {
    ExpectEndWithoutSaving([](const RunningLauncher& launcher) {
        PostMessageA(launcher.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
}

TEST(End, WmCloseEndsWithoutSaving) {
    ExpectEndWithoutSaving(
        [](const RunningLauncher& launcher) { PostMessageA(launcher.window(), WM_CLOSE, 0, 0); });
}

} // namespace
} // namespace tarnwick::e2e
