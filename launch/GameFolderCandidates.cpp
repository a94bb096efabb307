#include "GameFolderCandidates.h"

#include "DistinctFolders.h"
#include "LaunchErrors.h"
#include "PathRules.h"
#include "SteamLibraryFile.h"

#include <algorithm>
#include <iterator>

namespace tarnwick {
namespace {

// Under each Steam library's steamapps\common.
constexpr const char* kSteamGameFolders[] = {
    "Ultimate Doom\\rerelease",
    "Ultimate Doom\\base",
    "Ultimate Doom\\base\\doom2",
    "Ultimate Doom\\base\\tnt",
    "Ultimate Doom\\base\\plutonia",
    "Ultimate Doom\\rerelease\\DOOM_Data\\StreamingAssets",
    "Doom 2\\base",
    "Doom 2\\finaldoombase",
    "Doom 2\\rerelease\\DOOM II_Data\\StreamingAssets",
    "Final Doom\\base",
    "Master Levels of Doom\\doom2",
    "Heretic Shadow of the Serpent Riders\\base",
    "Hexen\\base",
    "Hexen Deathkings of the Dark Citadel\\base",
    "Heretic + Hexen\\dos\\base\\heretic",
    "Heretic + Hexen\\dos\\base\\hexen",
    "Heretic + Hexen\\dos\\base\\hexendk",
    "Strife",
    "DOOM 3 BFG Edition\\base\\wads",
};

// A GOG game's key under HKLM\SOFTWARE\GOG.com\Games, and the folder under
// its "path" that holds the IWADs (empty: the path itself).
constexpr const char* kGogFolders[][2] = {
    {"1435827232", ""},
    {"1413291984", ""},
    {"1432899949", ""},
    {"1290366318", ""},
    {"1247951670", ""},
    {"1983497091", ""},
    {"2015545325", "DOOM_Data\\StreamingAssets"},
    {"1435848814", "doom2"},
    {"1426071866", "DOOM II_Data\\StreamingAssets"},
    {"1435848742", "TNT"},
    {"1435848742", "Plutonia"},
    {"1135892318", "base\\wads"},
};

constexpr char kSteamLibraryFile[] = "config\\libraryfolders.vdf";

class Candidates {
  public:
    explicit Candidates(const AnsiCodePage& codePage) : codePage_(codePage) {}

    // The folder, or the one below it; nothing when it is empty.
    void Add(std::string_view folder, const char* below = "") {
        if (!folder.empty())
            folders.push_back(*below ? InFolder(codePage_, folder, below) : std::string(folder));
    }

    std::vector<std::string> folders;

  private:
    const AnsiCodePage& codePage_;
};

// The folder that holds the path's last part: up to its last separator,
// which a root keeps; empty for a bare name.
std::string_view FolderOf(const AnsiCodePage& codePage, std::string_view path) {
    std::size_t end = 0;
    for (std::size_t at = 0; at < path.size(); at = codePage.NextCharacter(path, at))
        if (path[at] == '\\' || path[at] == '/') end = at + 1;
    return path.substr(0, end > 1 && path[end - 2] != ':' ? end - 1 : end);
}

} // namespace

std::vector<std::string> GameFolderCandidates(Platform& platform, const std::string& startDir,
                                              FolderReach& reach) {
    const AnsiCodePage& codePage = platform.CodePage();
    // Whether the path is there, where the reach lets it be looked at.
    const auto there = [&](std::string_view path) {
        const std::string full = FromStartFolder(codePage, startDir, path);
        return reach(full) && platform.PathExists(full);
    };
    Candidates candidates(codePage);

    const std::string wadPath = platform.GetEnvironment("DOOMWADPATH");
    for (std::string_view rest = wadPath;;) {
        const std::size_t end = std::min(rest.find(';'), rest.size());
        std::string_view entry = rest.substr(0, end);
        // A bare file name is of the start folder, which the IWAD list shows.
        if (const std::string full = FromStartFolder(codePage, startDir, entry);
            reach(full) && platform.FileExists(full))
            entry = FolderOf(codePage, entry);
        candidates.Add(entry);
        if (end == rest.size()) break;
        rest.remove_prefix(end + 1);
    }

    std::string steam =
        platform.RegistryString(RegistryRoot::CurrentUser, "Software\\Valve\\Steam", "SteamPath");
    if (steam.empty())
        steam = platform.RegistryString(RegistryRoot::LocalMachine, "SOFTWARE\\Valve\\Steam",
                                        "InstallPath");
    if (!steam.empty()) {
        std::string list;
        const std::string file =
            FromStartFolder(codePage, startDir, InFolder(codePage, steam, kSteamLibraryFile));
        try {
            if (reach(file)) list = platform.ReadFile(file);
        } catch (const IoError&) {
        }
        std::vector<std::string> libraries = SteamLibraryPaths(list);
        for (std::string& library : libraries) {
            bool lost = false;
            library = platform.ToAnsi(library, TextEncoding::Utf8, lost);
            if (lost) library.clear();
        }
        libraries.push_back(steam);
        // Each library once, however often it is named. One that is not
        // there costs one lookup, not one for each game, and libraries side
        // by side in a folder that is not there one between them: sorted,
        // they come one after the other.
        std::string_view parent;
        bool parentThere = false;
        for (const std::string& library : DistinctFolders(codePage, libraries)) {
            if (FolderOf(codePage, library) != parent) {
                parent = FolderOf(codePage, library);
                parentThere = there(parent);
            }
            const std::string common = InFolder(codePage, library, "steamapps\\common");
            if (!parentThere || !there(common)) continue;
            for (const char* game : kSteamGameFolders)
                candidates.Add(common, game);
        }
    }

    char gogKey[] = "SOFTWARE\\GOG.com\\Games\\0123456789";
    for (const auto& [id, folder] : kGogFolders) {
        std::copy_n(id, 10, std::end(gogKey) - 11);
        candidates.Add(platform.RegistryString(RegistryRoot::LocalMachine, gogKey, "path"), folder);
    }
    return std::move(candidates.folders);
}

} // namespace tarnwick
