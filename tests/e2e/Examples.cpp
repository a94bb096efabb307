#include "Examples.h"

#include "FullExample.h"
#include "ScenarioFolders.h"

#include <gtest/gtest.h>

namespace tarnwick::e2e {

LaunchFileSet DefaultExample(const std::string& wadDir) {
    return {CrLfLines({"-iwad \"doom2.wad\"", "+exec qorvex.cfg"}),
            CrLfLines({"skill 3", "fraglimit 0", "timelimit 0", "sv_gravity 800.00",
                       "sv_aircontrol 0.00390625", "teamdamage 0"}),
            CrLfLines({"set DOOMWADDIR=" + wadDir, "gzdoom.exe @qorvex.rsp"})};
}

LaunchFileSet SaveDefaultExample(const std::string& startFolder, const std::string& wadDir) {
    ScenarioFolders::AddFile(startFolder, "DOOM2.WAD");
    const LaunchFileSet saved = DefaultExample(wadDir);
    WriteLaunchFileSet(startFolder, saved);
    return saved;
}

LaunchFileSet FullExample(const std::string& wadDir) {
    const testing::ExampleFiles files = testing::FullExampleFiles(wadDir);
    return {files.response, files.console, files.batch};
}

void ExpectLaunchFiles(const std::string& folder, const LaunchFileSet& expected) {
    const LaunchFileSet found = ReadLaunchFileSet(folder);
    EXPECT_EQ(found.rsp, expected.rsp) << "qorvex.rsp";
    EXPECT_EQ(found.cfg, expected.cfg) << "qorvex.cfg";
    EXPECT_EQ(found.bat, expected.bat) << "qorvex.bat";
}

} // namespace tarnwick::e2e
