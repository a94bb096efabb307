#include "GameDataScan.h"

#include "LaunchFileNames.h"
#include "PathRules.h"

#include <array>

namespace tarnwick {
namespace {

constexpr std::array<std::string_view, 4> kResourcePatterns{"*.wad", "*.pk3", "*.deh", "*.bex"};

} // namespace

bool FileInStartOrWadDir(Platform& platform, const LaunchFolders& folders,
                         const std::string& name) {
    const AnsiCodePage& codePage = platform.CodePage();
    return platform.FileExists(FromStartFolder(codePage, folders.StartDir, name)) ||
           platform.FileExists(FromStartFolder(codePage, folders.StartDir,
                                               InFolder(codePage, folders.WadDir, name)));
}

std::string ReadWadDirFromEnvironment(Platform& platform) {
    return platform.GetEnvironment(std::string(kWadDirVariable));
}

std::bitset<IwadCatalogue.size()> CatalogueIwadsListed(Platform& platform,
                                                       const std::string& pattern) {
    std::bitset<IwadCatalogue.size()> found;
    platform.ListMatches(pattern, [&found](std::string_view name) {
        if (const IwadEntry* entry = LookupIwadByFileName(name))
            found.set(static_cast<std::size_t>(entry - IwadCatalogue.data()));
    });
    return found;
}

IwadList ScanIwads(Platform& platform, const LaunchFolders& folders) {
    std::bitset<IwadCatalogue.size()> found;
    const AnsiCodePage& codePage = platform.CodePage();
    // An empty WAD directory makes the second "\*.wad": the root of the start
    // folder's drive.
    for (const std::string* folder : {&folders.StartDir, &folders.WadDir})
        found |=
            CatalogueIwadsListed(platform, FromStartFolder(codePage, folders.StartDir,
                                                           InFolder(codePage, *folder, "*.wad")));

    IwadList list;
    for (std::size_t i = 0; i < IwadCatalogue.size(); ++i)
        if (found[i]) list.titles.emplace_back(IwadCatalogue[i].title);
    list.titles.emplace_back(kCustomIwadTitle);
    list.selected = 0;
    return list;
}

std::vector<std::string> ScanResourceCandidates(Platform& platform, const std::string& startDir,
                                                const std::string& wadDir) {
    std::vector<std::string> names;
    // A name with a character that the ANSI code page lacks could not be
    // opened by it, nor passed on: it is not offered.
    const auto append = [&names](std::string_view name) {
        if (!HasLostCharacter(name)) names.emplace_back(name);
    };
    const AnsiCodePage& codePage = platform.CodePage();
    for (const std::string* folder : {&startDir, &wadDir})
        for (std::string_view pattern : kResourcePatterns)
            platform.ListMatches(
                FromStartFolder(codePage, startDir, InFolder(codePage, *folder, pattern)), append);
    return names;
}

} // namespace tarnwick
