// Where rescans put their results, the main window's IWAD list and its list of
// resource candidates, and the rescans themselves: the one way every caller
// (start-up, the WAD directory dialog, reading the launch files back) fills
// the two lists.
#pragma once

#include "GameDataScan.h"
#include "LaunchFolders.h"
#include "Platform.h"

#include <string>
#include <vector>

namespace tarnwick {

class GameDataLists {
  public:
    virtual ~GameDataLists() = default;
    // Replaces the IWAD list's items and selects list.selected, without
    // raising the list's change event.
    virtual void ShowIwads(const IwadList& list) = 0;
    // Replaces the resource candidates; the list shows them sorted.
    virtual void ShowResourceCandidates(const std::vector<std::string>& names) = 0;
};

// Scans for IWADs and shows them; returns what the list now holds.
IwadList RescanIwads(Platform& platform, GameDataLists& lists, const LaunchFolders& folders);

// Scans for resource files and shows them.
void RescanResourceCandidates(Platform& platform, GameDataLists& lists,
                              const LaunchFolders& folders);

// Both of the above; returns what the IWAD list now holds.
IwadList RescanGameData(Platform& platform, GameDataLists& lists, const LaunchFolders& folders);

// Makes wadDir the WAD directory and the process's DOOMWADDIR, as the WAD
// directory dialog's OK and the saved batch file do, then rescans both lists;
// returns what the IWAD list now holds.
IwadList SetWadDir(Platform& platform, GameDataLists& lists, LaunchFolders& folders,
                   std::string wadDir);

} // namespace tarnwick
