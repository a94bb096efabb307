#include "GameDataScan.h"

#include "IwadCatalogue.h"
#include "LaunchFileNames.h"
#include "PathRules.h"

#include <array>

namespace tarnwick {
namespace {

// Only a to z: the scan must not depend on the code page's idea of case.
std::string UpperAsciiLetters(std::string_view name) {
    std::string upper(name);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

constexpr std::array<std::string_view, 4> kResourcePatterns{"*.wad", "*.pk3", "*.deh", "*.bex"};

} // namespace

bool FileInCurrentOrWadDir(Platform& platform, const std::string& wadDir, const std::string& name) {
    return platform.FileExists(name) ||
           platform.FileExists(InFolder(platform.CodePage(), wadDir, name));
}

std::string ReadWadDirFromEnvironment(Platform& platform) {
    return platform.GetEnvironment(std::string(kWadDirVariable));
}

IwadList ScanIwads(Platform& platform, const std::string& wadDir) {
    std::array<bool, IwadCatalogue.size()> found{};
    const auto markFound = [&found](std::string_view name) {
        const std::string upper = UpperAsciiLetters(name);
        for (std::size_t i = 0; i < IwadCatalogue.size(); ++i) {
            if (IwadCatalogue[i].detectName == upper) {
                found[i] = true;
                return;
            }
        }
    };
    platform.ListMatches("*.wad", markFound);
    // An empty WAD directory makes this "\*.wad": the root of the current drive.
    platform.ListMatches(InFolder(platform.CodePage(), wadDir, "*.wad"), markFound);

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
    for (const std::string* folder : {&startDir, &wadDir})
        for (std::string_view pattern : kResourcePatterns)
            platform.ListMatches(InFolder(platform.CodePage(), *folder, pattern), append);
    return names;
}

} // namespace tarnwick
