// The main window's dialogs as a test has them: each opening is counted
// and runs what the test says.
#pragma once

#include "MainDialogs.h"

#include <functional>
#include <vector>

namespace tarnwick::testing {

struct ScriptedDialogs : MainDialogs {
    std::function<void()> onDirSetup;
    std::function<void()> onFlags;
    int dirSetupShown = 0;
    int flagsShown = 0;
    std::vector<LaunchCommand> launchCommandsShown;

    bool ShowDirSetup(std::string_view) override {
        ++dirSetupShown;
        if (onDirSetup) onDirSetup();
        return false; // cancelled
    }
    void ShowFlags() override {
        ++flagsShown;
        if (onFlags) onFlags();
    }
    void ShowLaunchCommand(const LaunchCommand& command) override {
        launchCommandsShown.push_back(command);
    }
};

} // namespace tarnwick::testing
