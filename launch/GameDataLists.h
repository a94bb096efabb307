// Where rescans put their results: the main window's IWAD list and its list
// of resource candidates.
#pragma once

#include "GameDataScan.h"

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

} // namespace tarnwick
