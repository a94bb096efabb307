#include "LaunchWriter.h"

#include "IwadCatalogue.h"
#include "FileSetReplacement.h"
#include "LaunchErrors.h"
#include "LaunchFileNames.h"
#include "NumberText.h"
#include "SettingsTables.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tarnwick {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendLine(std::string& text, std::string_view line) {
    text += line;
    text += kLineEnd;
}

void AppendLine(std::string& text, std::string_view keyword, std::string_view value) {
    text += keyword;
    text += value;
    text += kLineEnd;
}

bool Contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

bool ContainsAny(std::string_view text, std::string_view chars) {
    return text.find_first_of(chars) != std::string_view::npos;
}

std::string Quoted(std::string_view value) {
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted += '"';
    quoted += value;
    quoted += '"';
    return quoted;
}

// A name with a blank reaches the port as one argument only when quoted.
std::string QuotedIfBlank(std::string_view value) {
    if (!Contains(value, ' ')) return std::string(value);
    return Quoted(value);
}

bool IsControlCharacter(char c) { return static_cast<unsigned char>(c) < 0x20; }

// A value as the error box can show it: control characters as <hex>, and no
// longer than a box can hold.
std::string Shown(std::string_view value) {
    constexpr std::size_t kLongest = 200;
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char c : value.substr(0, kLongest)) {
        if (!IsControlCharacter(c)) {
            shown += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        shown += {'<', kHex[byte / 16], kHex[byte % 16], '>'};
    }
    if (value.size() > kLongest) shown += "...";
    return shown;
}

bool IsKnownSourcePort(int sourcePort) { return sourcePort >= 0 && sourcePort < kCustomSourcePort; }

bool IsPatch(std::string_view entry) {
    if (entry.size() < 4) return false;
    const std::string_view ending = entry.substr(entry.size() - 4);
    return ending == ".deh" || ending == ".bex";
}

// In a batch file cmd expands %...% even inside quotes; %% is a literal %.
std::string EscapePercent(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        escaped += c;
        if (c == '%') escaped += '%';
    }
    return escaped;
}

std::string BatchSetLine(const std::string& wadDir) {
    const std::string value = EscapePercent(wadDir);
    // Unquoted, these characters would end the set command and start another.
    if (ContainsAny(wadDir, "&|<>^"))
        return "set \"" + std::string(kWadDirVariable) + "=" + value + "\"";
    return "set " + std::string(kWadDirVariable) + "=" + value;
}

std::string BatchExecutable(const LaunchSettings& settings) {
    if (IsKnownSourcePort(settings.sourcePort))
        return std::string(kSourcePorts[static_cast<std::size_t>(settings.sourcePort)].executable);
    const std::string& path = settings.customExecutable;
    const std::string escaped = EscapePercent(path);
    if (ContainsAny(path, " @&|<>^(),;=")) return Quoted(escaped);
    return escaped;
}

std::string IwadFileName(const LaunchSettings& settings) {
    if (const IwadEntry* entry = LookupIwadByTitle(settings.iwad))
        return std::string(entry->launchFileName);
    return settings.customIwad;
}

std::string FormatConsoleScript(const LaunchSettings& settings) {
    std::string text;
    if (settings.deathmatch) AppendLine(text, "deathmatch 1");
    if (settings.teamplay) AppendLine(text, "teamplay 1");
    AppendLine(text, "skill ", FormatInteger(settings.skill));
    AppendLine(text, "fraglimit ", FormatInteger(settings.fragLimit));
    AppendLine(text, "timelimit ", FormatInteger(settings.timeLimit));
    AppendLine(text, "sv_gravity ", settings.gravity);
    AppendLine(text, "sv_aircontrol ", FormatFraction(settings.airControl, kAirControlMax));
    AppendLine(text, "teamdamage ", FormatFraction(settings.friendlyFire, kFriendlyFireMax));
    return text;
}

std::string FormatBatchFile(const LaunchSettings& settings, const std::string& wadDir) {
    std::string text;
    AppendLine(text, BatchSetLine(wadDir));
    AppendLine(text, BatchExecutable(settings), " @" + std::string(kResponseFileName));
    return text;
}

} // namespace

LaunchFileSet FormatLaunchFiles(const LaunchSettings& settings, const std::string& wadDir,
                                const std::function<bool(const std::string&)>& fileExists) {
    const bool multiplayer = settings.players != kSinglePlayer;
    std::string rsp;
    AppendLine(rsp, "-iwad \"", IwadFileName(settings) + "\"");

    // One pass over the list; each entry goes to the resource or the patch line.
    std::string resources;
    std::string patches;
    for (const std::string& entry : settings.files)
        (IsPatch(entry) ? patches : resources) += QuotedIfBlank(entry) + " ";
    if (!resources.empty())
        AppendLine(rsp, "-file ", std::string_view(resources).substr(0, resources.size() - 1));
    if (!patches.empty())
        AppendLine(rsp, "-deh ", std::string_view(patches).substr(0, patches.size() - 1));

    if (!settings.recordDemo.empty())
        AppendLine(rsp, "-record ", QuotedIfBlank(settings.recordDemo));
    if (fileExists(settings.playDemo))
        AppendLine(rsp, settings.fastDemo ? "-timedemo " : "-playdemo ",
                   QuotedIfBlank(settings.playDemo));
    if (fileExists(settings.loadGame))
        AppendLine(rsp, "-loadgame ", QuotedIfBlank(settings.loadGame));

    if (settings.players == kJoiningPlayers) {
        AppendLine(rsp, "-join ", settings.remoteHost);
    } else if (settings.players > kSinglePlayer &&
               settings.players < static_cast<int>(kPlayerCaptions.size())) {
        AppendLine(rsp, "-host ", kPlayerCaptions[static_cast<std::size_t>(settings.players)]);
    }
    if (multiplayer) {
        AppendLine(rsp, "-port ", settings.localPort);
        AppendLine(rsp, "-dup ", FormatInteger(settings.networkDup));
        if (settings.peerToPeer) AppendLine(rsp, "-netmode 0");
        if (settings.backupPackets) AppendLine(rsp, "-extratic");
    }
    AppendLine(rsp, "+exec ", kConsoleScriptName);
    if (!settings.playerClass.empty()) AppendLine(rsp, "+playerclass ", settings.playerClass);
    if (multiplayer) AppendLine(rsp, "+team ", FormatInteger(settings.team));
    if (!settings.startMap.empty()) AppendLine(rsp, "+map ", settings.startMap);
    if (!settings.parameters.empty()) AppendLine(rsp, settings.parameters);

    return {rsp, FormatConsoleScript(settings), FormatBatchFile(settings, wadDir)};
}

void RefuseUnsavableValues(const LaunchSettings& settings, const std::string& wadDir) {
    struct Value {
        std::string_view field;
        const std::string& text;
        bool path;
    };
    std::vector<Value> values{
        {"The WAD directory", wadDir, true},
        {"The field \"Record Demo\"", settings.recordDemo, true},
        {"The field \"Play Demo\"", settings.playDemo, true},
        {"The field \"Load Game\"", settings.loadGame, true},
        {"The field \"Player class\"", settings.playerClass, false},
        {"The field \"Start on map\"", settings.startMap, false},
        {"The field \"Parameters\"", settings.parameters, false},
        {"The field \"Gravity\"", settings.gravity, false},
    };
    // The values that only some settings write are looked at only then.
    if (!LookupIwadByTitle(settings.iwad))
        values.push_back({"The custom IWAD", settings.customIwad, true});
    if (!IsKnownSourcePort(settings.sourcePort))
        values.push_back({"The custom source port", settings.customExecutable, true});
    if (settings.players == kJoiningPlayers)
        values.push_back({"The field \"Remote host\"", settings.remoteHost, false});
    if (settings.players != kSinglePlayer)
        values.push_back({"The field \"Local Port\"", settings.localPort, false});
    for (const std::string& entry : settings.files)
        values.push_back({"An entry of the list \"Files\"", entry, true});

    for (const Value& value : values) {
        if (value.path && Contains(value.text, '"'))
            throw UnsavableValueError(std::string(value.field) +
                                      " holds a double quote, which no Windows path can hold:\n" +
                                      Shown(value.text) + "\nNothing was saved.");
        if (std::any_of(value.text.begin(), value.text.end(), IsControlCharacter))
            throw UnsavableValueError(
                std::string(value.field) +
                " holds a control character (shown as its code in angle brackets), "
                "which no line of the launch files can hold:\n" +
                Shown(value.text) + "\nNothing was saved.");
    }
}

void WriteLaunchFiles(Platform& platform, const LaunchSettings& settings, const std::string& wadDir,
                      const std::string& startDir) {
    RefuseUnsavableValues(settings, wadDir);
    platform.ChangeDirectory(startDir);
    const LaunchFileSet set =
        FormatLaunchFiles(settings, wadDir, [&platform](const std::string& name) {
            return platform.FileExists(name);
        });
    const std::array<NewFile, 3> files{{
        {kResponseFileName, set.responseFile},
        {kConsoleScriptName, set.consoleScript},
        {kBatchFileName, set.batchFile},
    }};
    ReplaceFileSet(platform, startDir, files);
}

void StartLaunchFiles(Platform& platform) { platform.StartHidden(std::string(kBatchFileName)); }

void DeleteLaunchFiles(Platform& platform, const std::string& startDir) {
    // By full path: a file dialog may have moved the current directory away.
    constexpr std::array<std::string_view, 3> names{kConsoleScriptName, kResponseFileName,
                                                    kBatchFileName};
    RemoveFileSet(platform, startDir, names);
}

} // namespace tarnwick
