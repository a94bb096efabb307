// The folders of one scenario, on the prefix's C: drive: the folder the
// launcher starts in and a WAD folder beside it, both removed afterwards.
#pragma once

#include "TempFolder.h"

#include <string>
#include <string_view>

namespace tarnwick::e2e {

struct ScenarioFolders {
    testing::TempFolder root;
    std::string start = root.AddFolder("start");
    std::string wads = root.AddFolder("wads");

    // An empty file (the launcher only looks at names).
    void AddToStart(std::string_view name) const { AddFile(start, name); }
    void AddToWads(std::string_view name) const { AddFile(wads, name); }
    static void AddFile(const std::string& folder, std::string_view name);
};

} // namespace tarnwick::e2e
