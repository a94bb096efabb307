#include "PortArguments.h"

#include "CommandLineText.h"
#include "LaunchFileFormat.h"
#include "NumberText.h"
#include "PathRules.h"
#include "PortLines.h"
#include "PortSpellings.h"
#include "SettingsTables.h"

#include <algorithm>
#include <optional>

namespace tarnwick {
namespace {

// A value that the window passes on.
struct Present {
    std::vector<std::string> words; // as the ZDoom line writes it, before a form changes it
    std::string shown;              // as a message shows it, after the label
    bool atDefault = false;
};

Present Text(const std::string& value, bool atDefault = false) {
    return Present{{value}, value, atDefault};
}

Present Number(int value) { return Text(FormatInteger(value)); }

// The values of the settings that a save writes a line for, and those of the
// console script that differ from the defaults (the ports' own).
std::optional<Present> ValueOf(LaunchValue value, const LaunchSettings& s,
                               const std::function<bool(const std::string&)>& fileExists) {
    const LaunchSettings defaults;
    const bool multiplayer = s.players != kSinglePlayer;
    switch (value) {
    case LaunchValue::Iwad:
        return Text(IwadFileName(s));
    case LaunchValue::Files:
    case LaunchValue::Patches: {
        Present list;
        for (const std::string& entry : s.files) {
            if (IsPatch(entry) != (value == LaunchValue::Patches)) continue;
            list.words.push_back(entry);
            list.shown += (list.shown.empty() ? "" : " ") + entry;
        }
        if (list.words.empty()) return std::nullopt;
        return list;
    }
    case LaunchValue::RecordDemo:
        if (s.recordDemo.empty()) return std::nullopt;
        return Text(s.recordDemo);
    case LaunchValue::PlayDemo:
    case LaunchValue::TimeDemo:
        if (s.fastDemo != (value == LaunchValue::TimeDemo) || !fileExists(s.playDemo))
            return std::nullopt;
        return Text(s.playDemo);
    case LaunchValue::LoadGame:
        if (!fileExists(s.loadGame)) return std::nullopt;
        return Text(s.loadGame);
    case LaunchValue::Join:
        if (s.players != kJoiningPlayers) return std::nullopt;
        return Text(s.remoteHost);
    case LaunchValue::Host:
        if (s.players <= kSinglePlayer || s.players > kMaxPlayers) return std::nullopt;
        return Present{{FormatInteger(s.players)}, FormatInteger(s.players) + " players"};
    case LaunchValue::LocalPort:
        if (!multiplayer) return std::nullopt;
        return Text(s.localPort, s.localPort == defaults.localPort);
    case LaunchValue::NetworkDup:
        if (!multiplayer) return std::nullopt;
        return Text(FormatInteger(s.networkDup), s.networkDup == defaults.networkDup);
    case LaunchValue::PeerToPeer:
        if (!multiplayer || !s.peerToPeer) return std::nullopt;
        return Present{};
    case LaunchValue::BackupPackets:
        if (!multiplayer || !s.backupPackets) return std::nullopt;
        return Present{};
    case LaunchValue::PlayerClass:
        if (s.playerClass.empty()) return std::nullopt;
        return Text(s.playerClass);
    case LaunchValue::Team:
        // "None", read back from a file, is no team either.
        if (!multiplayer || s.team < 0 || s.team >= kTeamNoneEntry) return std::nullopt;
        return Present{{FormatInteger(s.team)},
                       std::string(kTeamCaptions[static_cast<std::size_t>(s.team)])};
    case LaunchValue::StartMap:
        if (s.startMap.empty()) return std::nullopt;
        return Text(s.startMap);
    case LaunchValue::Deathmatch:
        if (!s.deathmatch) return std::nullopt;
        return Present{};
    case LaunchValue::Teamplay:
        if (!s.teamplay) return std::nullopt;
        return Present{};
    case LaunchValue::Skill:
        if (s.skill < 0 || s.skill >= static_cast<int>(kSkillCaptions.size())) return std::nullopt;
        return Number(s.skill);
    case LaunchValue::FragLimit:
        if (s.fragLimit == 0) return std::nullopt;
        return Number(s.fragLimit);
    case LaunchValue::TimeLimit:
        if (s.timeLimit == 0) return std::nullopt;
        return Number(s.timeLimit);
    case LaunchValue::Gravity:
        if (s.gravity == defaults.gravity) return std::nullopt;
        return Text(s.gravity);
    case LaunchValue::AirControl:
        if (s.airControl == defaults.airControl) return std::nullopt;
        return Number(s.airControl);
    case LaunchValue::FriendlyFire:
        if (s.friendlyFire == defaults.friendlyFire) return std::nullopt;
        return Present{{}, FormatInteger(s.friendlyFire) + "%"};
    case LaunchValue::Parameters:
        if (s.parameters.empty()) return std::nullopt;
        return Text(s.parameters);
    }
    return std::nullopt;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    return lower;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        words.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

bool Takes(std::string_view takers, std::string_view port) {
    if (takers.empty()) return true;
    for (const std::string& taker : Words(takers))
        if (taker == port) return true;
    return false;
}

// The arguments after the option for a MAPNN or ExMy map.
std::optional<std::vector<std::string>> Warp(std::string_view map) {
    const std::string name = Lower(map);
    if (name.size() >= 4 && name.size() <= 5 && name.starts_with("map") && IsDigit(name[3]) &&
        (name.size() == 4 || IsDigit(name[4])))
        return std::vector<std::string>{name.substr(3)};
    if (name.size() == 4 && name[0] == 'e' && IsDigit(name[1]) && name[2] == 'm' &&
        IsDigit(name[3]))
        return std::vector<std::string>{name.substr(1, 1), name.substr(3)};
    return std::nullopt;
}

// The folder of a saved game and the slot number that ends its name
// (doomsav3.dsg: 3).
std::optional<std::vector<std::string>>
SaveSlot(const AnsiCodePage& codePage, std::string_view startDir, std::string_view saved) {
    const std::string path = FromStartFolder(codePage, startDir, saved);
    const std::string_view name = FileNameOf(codePage, path);
    const std::string_view stem = name.substr(0, name.rfind('.'));
    std::size_t digits = stem.size();
    while (digits > 0 && IsDigit(stem[digits - 1]))
        --digits;
    if (digits == stem.size()) return std::nullopt;
    std::string folder = path.substr(0, path.size() - name.size());
    // The folder without its last separator, unless that is a drive's root.
    if (folder.size() > 1 && folder[folder.size() - 2] != ':' && codePage.EndsWithSeparator(folder))
        folder.pop_back();
    return std::vector<std::string>{folder, std::string(stem.substr(digits))};
}

std::optional<std::string> ClassNumber(std::string_view playerClass) {
    const std::string name = Lower(playerClass);
    if (name == "fighter" || name == "0") return "0";
    if (name == "cleric" || name == "1") return "1";
    if (name == "mage" || name == "2") return "2";
    return std::nullopt;
}

// The arguments of the value in the spelling, after its option; nothing, and
// why, where the spelling cannot take this value.
std::optional<std::vector<std::string>> Spelled(const AnsiCodePage& codePage,
                                                std::string_view startDir,
                                                const LineSpelling& spelling, const Present& value,
                                                std::string_view& reason) {
    const std::string& text = value.words.empty() ? std::string() : value.words.front();
    switch (spelling.form) {
    case ArgumentForm::None:
        return std::nullopt;
    case ArgumentForm::Value:
    case ArgumentForm::Values:
    case ArgumentForm::Flag:
        return value.words;
    case ArgumentForm::SkillFromOne:
        return std::vector<std::string>{std::string(1, static_cast<char>(text[0] + 1))};
    case ArgumentForm::Warp:
        reason = "it starts only on a map named MAPnn or ExMy";
        return Warp(text);
    case ArgumentForm::DemoName:
        // The port appends ".lmp" to any name.
        if (Lower(text).ends_with(".lmp"))
            return std::vector<std::string>{text.substr(0, text.size() - 4)};
        return value.words;
    case ArgumentForm::SaveSlot:
        reason = "it loads a slot, whose number must end the file's name, as in doomsav3.dsg";
        return SaveSlot(codePage, startDir, text);
    case ArgumentForm::ClassNumber:
        reason = "it takes only fighter, cleric or mage";
        if (const std::optional<std::string> number = ClassNumber(text))
            return std::vector<std::string>{*number};
        return std::nullopt;
    case ArgumentForm::Words:
        return SplitCommandLine(text);
    }
    return std::nullopt;
}

} // namespace

PortArguments ArgumentsInPortSpelling(const AnsiCodePage& codePage, const LaunchSettings& settings,
                                      std::string_view startDir,
                                      const std::function<bool(const std::string&)>& fileExists) {
    const std::string executable = SourcePortExecutable(settings);
    const PortLine line = LineOf(codePage, executable);
    const std::string port = PortName(codePage, executable);
    PortArguments result;
    if (!StartsDirectly(line)) return result;
    for (const ValueSpelling& row : kValueSpellings) {
        const std::optional<Present> value = ValueOf(row.value, settings, fileExists);
        if (!value) continue;
        const LineSpelling& spelling = line == PortLine::Chocolate ? row.chocolate : row.boom;
        std::string_view reason = "it has no such option";
        std::optional<std::vector<std::string>> spelled;
        if (Takes(spelling.takers, port))
            spelled = Spelled(codePage, startDir, spelling, *value, reason);
        if (spelled) {
            std::vector<std::string> words = Words(spelling.option);
            if (spelling.form == ArgumentForm::SaveSlot) {
                // Where the port looks for it, then its slot.
                words.insert(words.begin(), {std::string(spelling.folderOption), spelled->front()});
                spelled->erase(spelled->begin());
            }
            result.arguments.insert(result.arguments.end(), words.begin(), words.end());
            result.arguments.insert(result.arguments.end(), spelled->begin(), spelled->end());
        } else if (!value->atDefault) {
            std::string item(row.label);
            if (!value->shown.empty()) item += ' ' + value->shown;
            result.notPassed.push_back(((item += " (") += reason) += ")");
        }
    }
    return result;
}

} // namespace tarnwick
