// The lookups of the search for the folders that hold games, each where its
// path lies. A path on another computer may keep a lookup waiting for the
// network, on Windows half a minute and more where that computer does not
// answer; the search must not hold the window that waits for it so long.
#pragma once

#include "IwadCatalogue.h"
#include "Platform.h"

#include <array>
#include <bitset>
#include <chrono>
#include <memory>
#include <string>

namespace tarnwick {

class BoundedLookups {
  public:
    // How long one search waits for other computers, in all.
    static constexpr std::chrono::milliseconds kNetworkWait{2000};

    explicit BoundedLookups(Platform& platform,
                            std::chrono::milliseconds networkWait = kNetworkWait)
        : platform_(platform), networkLeft_(networkWait) {}

    Platform& Local() const { return platform_; }

    // A lookup of a path on this computer runs at once. One on another
    // computer runs on a worker thread, waited for while the network time
    // lasts: one that has not answered by then, and every one after it, is
    // passed over as a path that is not there.
    bool FileExists(const std::string& path);
    bool PathExists(const std::string& path);
    // The whole file; empty where it cannot be read.
    std::string ReadFile(const std::string& path);
    // CatalogueIwadsListed.
    std::bitset<IwadCatalogue.size()> IwadsListed(const std::string& pattern);

  private:
    struct Answer;
    enum class Kind { FileExists, PathExists, ReadFile, IwadsListed };
    // Nothing where the lookup was passed over or failed.
    std::unique_ptr<Answer> Look(Kind kind, const std::string& path);
    bool OnNetwork(const std::string& path);

    Platform& platform_;
    std::chrono::milliseconds networkLeft_;
    // Each drive letter's answer, asked once a search (under Wine each
    // question goes to the system's mount manager): 0 not asked, 1 this
    // computer, 2 another.
    std::array<char, 256> drives_{};
};

} // namespace tarnwick
