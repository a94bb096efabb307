#include "BrowseOptions.h"

#include <array>
#include <utility>

namespace tarnwick::vesk {

std::uint32_t ShellFlags(TBrowseInfoFlagSet flags) {
    static constexpr std::array<std::pair<TBrowseInfoFlags, std::uint32_t>, 6> shellFlags{{
        {TBrowseInfoFlags::OnlyComputers, 0x1000},
        {TBrowseInfoFlags::OnlyPrinters, 0x2000},
        {TBrowseInfoFlags::OnlyDomains, 0x0002},
        {TBrowseInfoFlags::OnlyAncestors, 0x0008},
        {TBrowseInfoFlags::OnlyFileSystem, 0x0001},
        {TBrowseInfoFlags::ShowPath, 0x0004},
    }};
    std::uint32_t result = 0;
    for (auto [member, value] : shellFlags)
        if (flags.Has(member)) result |= value;
    return result;
}

std::optional<int> SpecialFolderOf(TSHFolders root) {
    switch (root) {
    case TSHFolders::foDesktop:
        return 0x00;
    case TSHFolders::foDesktopExpanded:
        return std::nullopt;
    case TSHFolders::foPrograms:
        return 0x02;
    case TSHFolders::foControlPanel:
        return 0x03;
    case TSHFolders::foPrinters:
        return 0x04;
    case TSHFolders::foPersonal:
        return 0x05;
    case TSHFolders::foFavorites:
        return 0x06;
    case TSHFolders::foStartup:
        return 0x07;
    case TSHFolders::foRecent:
        return 0x08;
    case TSHFolders::foSendto:
        return 0x09;
    case TSHFolders::foRecycleBin:
        return 0x0A;
    case TSHFolders::foStartMenu:
        return 0x0B;
    case TSHFolders::foDesktopFolder:
        return 0x10;
    case TSHFolders::foMyComputer:
        return 0x11;
    case TSHFolders::foNetwork:
        return 0x12;
    case TSHFolders::foNetworkNeighborhood:
        return 0x13;
    case TSHFolders::foFonts:
        return 0x14;
    case TSHFolders::foTemplates:
        return 0x15;
    }
    return std::nullopt;
}

} // namespace tarnwick::vesk
