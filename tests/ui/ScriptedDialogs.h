// The main window's two dialogs as a test has them: each opening is counted
// and runs what the test says.
#pragma once

#include "MainDialogs.h"

#include <functional>

namespace tarnwick::testing {

struct ScriptedDialogs : MainDialogs {
    std::function<void()> onDirSetup;
    std::function<void()> onFlags;
    int dirSetupShown = 0;
    int flagsShown = 0;

    void ShowDirSetup() override {
        ++dirSetupShown;
        if (onDirSetup) onDirSetup();
    }
    void ShowFlags() override {
        ++flagsShown;
        if (onFlags) onFlags();
    }
};

} // namespace tarnwick::testing
