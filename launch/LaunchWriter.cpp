#include "LaunchWriter.h"

#include "IwadCatalogue.h"
#include "LaunchErrors.h"
#include "LaunchFileNames.h"
#include "NumberText.h"
#include "SettingsTables.h"

#include <array>
#include <optional>

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
    if (settings.sourcePort >= 0 && settings.sourcePort < kCustomSourcePort)
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

void WriteLaunchFiles(Platform& platform, const LaunchSettings& settings, const std::string& wadDir,
                      const std::string& startDir) {
    platform.ChangeDirectory(startDir);
    const LaunchFileSet set =
        FormatLaunchFiles(settings, wadDir, [&platform](const std::string& name) {
            return platform.FileExists(name);
        });

    struct Target {
        std::string_view name;
        const std::string* text;
        std::string temporary;
        std::optional<std::string> previous; // the earlier file's bytes, for undoing
        bool replaced = false;
    };
    std::array<Target, 3> targets{{
        {kResponseFileName, &set.responseFile, {}, {}, false},
        {kConsoleScriptName, &set.consoleScript, {}, {}, false},
        {kBatchFileName, &set.batchFile, {}, {}, false},
    }};
    for (Target& target : targets)
        target.temporary = std::string(target.name) + ".tmp";

    // Undoing runs after a failure that is already being reported: its own
    // failures cannot be reported as well, so each step is best effort.
    const auto bestEffort = [](auto&& step) {
        try {
            step();
        } catch (const IoError&) {
        }
    };
    const auto undo = [&]() {
        for (Target& target : targets) {
            const std::string name(target.name);
            if (target.replaced) {
                if (target.previous)
                    bestEffort([&] { platform.WriteFile(name, *target.previous); });
                else
                    bestEffort([&] { platform.RemoveFile(name); });
            }
            if (platform.FileExists(target.temporary))
                bestEffort([&] { platform.RemoveFile(target.temporary); });
        }
    };

    // The earlier set is replaced only when all three new files are complete,
    // so a full disk or a locked file never leaves a half-written set behind.
    try {
        for (Target& target : targets)
            platform.WriteFile(target.temporary, *target.text);
        for (Target& target : targets) {
            const std::string name(target.name);
            if (platform.FileExists(name)) target.previous = platform.ReadFile(name);
        }
        for (Target& target : targets) {
            platform.MoveReplacing(target.temporary, std::string(target.name));
            target.replaced = true;
        }
    } catch (...) {
        undo();
        throw;
    }
}

void RunLaunch(Platform& platform, const LaunchSettings& settings, const std::string& wadDir,
               const std::string& startDir) {
    WriteLaunchFiles(platform, settings, wadDir, startDir);
    StartLaunchFiles(platform);
}

void StartLaunchFiles(Platform& platform) { platform.StartHidden(std::string(kBatchFileName)); }

void DeleteLaunchFiles(Platform& platform, const std::string& startDir) {
    // By full path: a file dialog may have moved the current directory away.
    const std::string folder =
        !startDir.empty() && (startDir.back() == '\\' || startDir.back() == '/') ? startDir
                                                                                 : startDir + "\\";
    for (std::string_view name : {kConsoleScriptName, kResponseFileName, kBatchFileName}) {
        const std::string path = folder + std::string(name);
        if (platform.FileExists(path)) platform.RemoveFile(path);
    }
}

} // namespace tarnwick
