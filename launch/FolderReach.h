// Which folders a search for game folders may look into: every one, or only
// those on this computer, when a computer on the network kept the search
// waiting (FindGameFolders).
#pragma once

#include "Platform.h"

#include <array>
#include <string>

namespace tarnwick {

class FolderReach {
  public:
    FolderReach(Platform& platform, bool network) : platform_(platform), network_(network) {}

    // Whether a lookup of the path may run.
    bool operator()(const std::string& path) {
        if (network_) return true;
        if (path.size() < 2 || path[1] != ':') return !platform_.OnNetwork(path);
        // A drive letter's kind is asked once: under Wine each question goes
        // to the system's mount manager.
        char& known = drives_[static_cast<unsigned char>(path[0]) & ~0x20u];
        if (known == 0) known = platform_.OnNetwork(path) ? 2 : 1;
        return known == 1;
    }

  private:
    Platform& platform_;
    bool network_;
    std::array<char, 256> drives_{}; // 0 not asked, 1 this computer, 2 another
};

} // namespace tarnwick
