// What a folder browser is asked to show: the flag set and the root folder,
// with the shell values they stand for (the values of BIF_* and CSIDL_*, kept
// here as numbers so that this file needs no system header).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>

namespace tarnwick::vesk {

enum class TBrowseInfoFlags {
    OnlyComputers,  // BIF_BROWSEFORCOMPUTER
    OnlyPrinters,   // BIF_BROWSEFORPRINTER
    OnlyDomains,    // BIF_DONTGOBELOWDOMAIN
    OnlyAncestors,  // BIF_RETURNFSANCESTORS
    OnlyFileSystem, // BIF_RETURNONLYFSDIRS; OK needs a selection with a path
    ShowPath,       // BIF_STATUSTEXT; the status line shows the selection
};

class TBrowseInfoFlagSet {
  public:
    constexpr TBrowseInfoFlagSet() = default;
    constexpr TBrowseInfoFlagSet(std::initializer_list<TBrowseInfoFlags> members) {
        for (auto member : members)
            bits_ |= Bit(member);
    }
    constexpr bool Has(TBrowseInfoFlags member) const { return (bits_ & Bit(member)) != 0; }
    constexpr bool operator==(const TBrowseInfoFlagSet&) const = default;

  private:
    static constexpr unsigned Bit(TBrowseInfoFlags member) {
        return 1U << static_cast<unsigned>(member);
    }
    unsigned bits_ = 0;
};

// The OR of the shell flags of every member.
std::uint32_t ShellFlags(TBrowseInfoFlagSet flags);

enum class TSHFolders {
    foDesktop,
    foDesktopExpanded,
    foPrograms,
    foControlPanel,
    foPrinters,
    foPersonal,
    foFavorites,
    foStartup,
    foRecent,
    foSendto,
    foRecycleBin,
    foStartMenu,
    foDesktopFolder,
    foMyComputer,
    foNetwork,
    foNetworkNeighborhood,
    foFonts,
    foTemplates,
};

// The special folder (CSIDL) at the top of the tree; none for
// foDesktopExpanded, which leaves the shell its own default tree.
std::optional<int> SpecialFolderOf(TSHFolders root);

} // namespace tarnwick::vesk
