// The IWADs the launcher knows by file name and title: the eleven of the
// Doom, Heretic, Hexen and Strife families, then the free Freedoom games.
#pragma once

#include <array>
#include <string_view>

namespace tarnwick {

struct IwadEntry {
    std::string_view detectName;     // upper case, as a scan compares it
    std::string_view title;          // as the IWAD list shows it
    std::string_view launchFileName; // lower case, as the response file names it
};

// Found titles are listed in this order; full games precede their shareware
// and teaser versions.
inline constexpr std::array<IwadEntry, 14> IwadCatalogue{{
    {"DOOM2.WAD", "DOOM 2: Hell on Earth", "doom2.wad"},
    {"PLUTONIA.WAD", "The Plutonia Experiment", "plutonia.wad"},
    {"TNT.WAD", "TNT: Evilution", "tnt.wad"},
    {"DOOM.WAD", "The Ultimate DOOM", "doom.wad"},
    {"DOOM1.WAD", "DOOM Shareware", "doom1.wad"},
    {"HERETIC.WAD", "Heretic: Shadow of the Serpent Riders", "heretic.wad"},
    {"HERETIC1.WAD", "Heretic Shareware", "heretic1.wad"},
    {"HEXEN.WAD", "Hexen: Beyound Heretic", "hexen.wad"},
    {"HEXDD.WAD", "Hexen: Deathkings of the Dark Citadel", "hexdd.wad"},
    {"STRIFE1.WAD", "Strife: Quest for the Sigil", "strife1.wad"},
    {"STRIFE0.WAD", "Strife: Teaser", "strife0.wad"},
    {"FREEDOOM1.WAD", "Freedoom: Phase 1", "freedoom1.wad"},
    {"FREEDOOM2.WAD", "Freedoom: Phase 2", "freedoom2.wad"},
    {"FREEDM.WAD", "FreeDM", "freedm.wad"},
}};

// The last entry of every IWAD list: an IWAD the user picks with a file dialog.
inline constexpr std::string_view kCustomIwadTitle = "Custom...";

// The entry whose title equals the text byte for byte, or nullptr (a custom IWAD).
const IwadEntry* LookupIwadByTitle(std::string_view title);

// The entry whose file this bare name is, whatever the case of its letters a
// to z, or nullptr.
const IwadEntry* LookupIwadByFileName(std::string_view name);

} // namespace tarnwick
