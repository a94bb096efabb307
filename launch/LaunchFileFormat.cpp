#include "LaunchFileFormat.h"

#include "IwadCatalogue.h"
#include "LaunchFileNames.h"
#include "LaunchKeywords.h"
#include "LaunchQuoting.h"
#include "NumberText.h"

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

std::string FormatConsoleScript(const LaunchSettings& settings) {
    using namespace keywords;
    std::string text;
    if (settings.deathmatch) AppendLine(text, kDeathmatch, kSwitchedOn);
    if (settings.teamplay) AppendLine(text, kTeamplay, kSwitchedOn);
    AppendLine(text, kSkill, FormatInteger(settings.skill));
    AppendLine(text, kFragLimit, FormatInteger(settings.fragLimit));
    AppendLine(text, kTimeLimit, FormatInteger(settings.timeLimit));
    AppendLine(text, kGravity, settings.gravity);
    AppendLine(text, kAirControl, FormatFraction(settings.airControl, kAirControlMax));
    AppendLine(text, kTeamDamage, FormatFraction(settings.friendlyFire, kFriendlyFireMax));
    return text;
}

std::string FormatBatchFile(const AnsiCodePage& codePage, const LaunchSettings& settings,
                            const std::string& wadDir) {
    std::string text;
    AppendLine(text, FormatSetLine(codePage, wadDir));
    AppendLine(text, FormatRunLine(codePage, {SourcePortExecutable(settings),
                                              std::string(kResponseFileName)}));
    return text;
}

} // namespace

bool IsPatch(std::string_view entry) {
    if (entry.size() < 4) return false;
    const std::string_view ending = entry.substr(entry.size() - 4);
    return ending == ".deh" || ending == ".bex";
}

std::string IwadFileName(const LaunchSettings& settings) {
    if (const IwadEntry* entry = LookupIwadByTitle(settings.iwad))
        return std::string(entry->launchFileName);
    return settings.customIwad;
}

const SourcePortItem& ChosenPort(const LaunchSettings& settings) {
    const bool known = settings.sourcePort >= 0 && settings.sourcePort < kCustomSourcePort;
    return kSourcePorts[static_cast<std::size_t>(known ? settings.sourcePort : kCustomSourcePort)];
}

std::string SourcePortExecutable(const LaunchSettings& settings) {
    const SourcePortItem& port = ChosenPort(settings);
    return port.executable.empty() ? settings.customExecutable : std::string(port.executable);
}

LaunchFileSet FormatLaunchFiles(const AnsiCodePage& codePage, const LaunchSettings& settings,
                                const std::string& wadDir,
                                const std::function<bool(const std::string&)>& fileExists) {
    using namespace keywords;
    const bool multiplayer = settings.players != kSinglePlayer;
    std::string rsp;
    AppendLine(rsp, kIwad, Quoted(IwadFileName(settings)));

    std::vector<std::string> resources;
    std::vector<std::string> patches;
    for (const std::string& entry : settings.files)
        (IsPatch(entry) ? patches : resources).push_back(entry);
    if (!resources.empty()) AppendLine(rsp, kFile, JoinFileList(resources));
    if (!patches.empty()) AppendLine(rsp, kDeh, JoinFileList(patches));

    if (!settings.recordDemo.empty())
        AppendLine(rsp, kRecord, QuotedWhereSplit(settings.recordDemo));
    if (fileExists(settings.playDemo))
        AppendLine(rsp, settings.fastDemo ? kTimeDemo : kPlayDemo,
                   QuotedWhereSplit(settings.playDemo));
    if (fileExists(settings.loadGame))
        AppendLine(rsp, kLoadGame, QuotedWhereSplit(settings.loadGame));

    if (settings.players == kJoiningPlayers)
        AppendLine(rsp, kJoin, settings.remoteHost);
    else if (settings.players > kSinglePlayer && settings.players <= kMaxPlayers)
        AppendLine(rsp, kHost, FormatInteger(settings.players));
    if (multiplayer) {
        AppendLine(rsp, kPort, settings.localPort);
        AppendLine(rsp, kDup, FormatInteger(settings.networkDup));
        if (settings.peerToPeer) AppendLine(rsp, kNetMode, kPeerToPeerNetMode);
        if (settings.backupPackets) AppendLine(rsp, kExtraTic);
    }
    AppendLine(rsp, kExec, kConsoleScriptName);
    if (!settings.playerClass.empty()) AppendLine(rsp, kPlayerClass, settings.playerClass);
    if (multiplayer) AppendLine(rsp, kTeam, FormatInteger(settings.team));
    if (!settings.startMap.empty()) AppendLine(rsp, kMap, settings.startMap);
    if (!settings.parameters.empty()) AppendLine(rsp, settings.parameters);

    return {rsp, FormatConsoleScript(settings), FormatBatchFile(codePage, settings, wadDir)};
}

} // namespace tarnwick
