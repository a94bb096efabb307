#include "LaunchWriter.h"

#include "IwadCatalogue.h"
#include "FieldNames.h"
#include "FileSetReplacement.h"
#include "LaunchErrors.h"
#include "LaunchFileNames.h"
#include "LaunchKeywords.h"
#include "LaunchQuoting.h"
#include "NumberText.h"
#include "PathRules.h"
#include "SettingsTables.h"
#include "ShownValue.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tarnwick {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNothingSaved = "Nothing was saved.";

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

bool IsKnownSourcePort(int sourcePort) { return sourcePort >= 0 && sourcePort < kCustomSourcePort; }

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

const SourcePortItem& PortOf(const LaunchSettings& settings) {
    return kSourcePorts[static_cast<std::size_t>(
        IsKnownSourcePort(settings.sourcePort) ? settings.sourcePort : kCustomSourcePort)];
}

} // namespace

std::string SourcePortExecutable(const LaunchSettings& settings) {
    if (IsKnownSourcePort(settings.sourcePort))
        return std::string(kSourcePorts[static_cast<std::size_t>(settings.sourcePort)].executable);
    return settings.customExecutable;
}

TextEncoding ResponseFileEncoding(const LaunchSettings& settings) {
    return PortOf(settings).responseFileEncoding;
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

void RefuseUnsavableValues(const AnsiCodePage& codePage, const LaunchSettings& settings,
                           const std::string& wadDir) {
    using namespace fields;
    enum class Kind { Text, File, Folder };
    struct Value {
        std::string field;
        const std::string& text;
        Kind kind;
    };
    std::vector<Value> values{
        {std::string(kTheWadDirectory), wadDir, Kind::Folder},
        {Field(kRecordDemo), settings.recordDemo, Kind::File},
        {Field(kPlayDemo), settings.playDemo, Kind::File},
        {Field(kLoadGame), settings.loadGame, Kind::File},
        {Field(kPlayerClass), settings.playerClass, Kind::Text},
        {Field(kStartMap), settings.startMap, Kind::Text},
        {Field(kParameters), settings.parameters, Kind::Text},
        {Field(kGravity), settings.gravity, Kind::Text},
    };
    // The values that only some settings write are looked at only then.
    if (!LookupIwadByTitle(settings.iwad))
        values.push_back({std::string(kTheCustomIwad), settings.customIwad, Kind::File});
    if (!IsKnownSourcePort(settings.sourcePort))
        values.push_back(
            {std::string(kTheCustomSourcePort), settings.customExecutable, Kind::File});
    if (settings.players == kJoiningPlayers)
        values.push_back({Field(kRemoteHost), settings.remoteHost, Kind::Text});
    if (settings.players != kSinglePlayer)
        values.push_back({Field(kLocalPort), settings.localPort, Kind::Text});
    for (const std::string& entry : settings.files)
        values.push_back(
            {"An entry of the list \"" + std::string(kFiles) + "\"", entry, Kind::File});

    // ZDoom and SkullTag, which read ANSI, hold a file name in MAX_PATH bytes.
    const SourcePortItem& port = PortOf(settings);
    const bool byteBuffers = port.responseFileEncoding == TextEncoding::Ansi;
    for (const Value& value : values) {
        if (value.kind != Kind::Text && Contains(value.text, '"'))
            throw UnsavableValueError(
                ShowingValue(codePage,
                             std::string(value.field) +=
                             " holds a double quote, which no Windows path can hold:",
                             value.text, kNothingSaved));
        if (std::any_of(value.text.begin(), value.text.end(), IsControlCharacter))
            throw UnsavableValueError(ShowingValue(
                codePage,
                std::string(value.field) +=
                " holds a control character (shown as its code in angle brackets), which no line "
                "of the launch files can hold:",
                value.text, kNothingSaved));
        if (value.kind == Kind::Text) continue;
        const bool folder = value.kind == Kind::Folder;
        std::optional<std::string> problem =
            folder ? FolderProblem(codePage, value.field, value.text)
                   : FilePathProblem(codePage, value.field, value.text);
        if (!problem && byteBuffers)
            problem = PortBufferProblem(codePage, port.caption, value.field, value.text,
                                        folder ? kLongestFolder : kLongestPath);
        if (problem) throw UnsavableValueError(*problem + "\nNothing was saved.");
    }
}

LaunchFileSet EncodeLaunchFiles(Platform& platform, const LaunchSettings& settings,
                                const std::string& wadDir, LaunchFileSet set) {
    // cmd reads the batch file in the OEM code page: a value without a form
    // there would make cmd set another folder or run another program.
    std::optional<std::string> batchFile = platform.FromAnsi(set.batchFile, TextEncoding::Oem);
    if (!batchFile) {
        const bool folder = !platform.FromAnsi(wadDir, TextEncoding::Oem);
        throw UnsavableValueError(ShowingValue(
            platform.CodePage(),
            std::string(folder ? fields::kTheWadDirectory : fields::kTheCustomSourcePort) +=
            " holds a character that the batch file cannot carry: cmd reads it in the system's "
            "console code page (OEM), which lacks that character:",
            folder ? wadDir : SourcePortExecutable(settings),
            "Choose a folder or a file whose name has no such character.\nNothing was saved."));
    }
    set.batchFile = std::move(*batchFile);
    // Every ANSI text has a form in UTF-8, and in ANSI itself.
    set.responseFile = platform.FromAnsi(set.responseFile, ResponseFileEncoding(settings)).value();
    return set;
}

LaunchFileSet LaunchFilesToSave(Platform& platform, const LaunchSettings& settings,
                                const std::string& wadDir, const std::string& startDir) {
    const AnsiCodePage& codePage = platform.CodePage();
    RefuseUnsavableValues(codePage, settings, wadDir);
    if (HasLostCharacter(startDir))
        throw UnsavableValueError(*FolderProblem(codePage,
                                                 "The folder the launcher was started in, where "
                                                 "it writes the launch files,",
                                                 startDir) +
                                  "\nNothing was saved.");
    return EncodeLaunchFiles(
        platform, settings, wadDir,
        FormatLaunchFiles(codePage, settings, wadDir, [&](const std::string& name) {
            return !name.empty() && platform.FileExists(FromStartFolder(codePage, startDir, name));
        }));
}

void WriteLaunchFiles(Platform& platform, const LaunchSettings& settings, const std::string& wadDir,
                      const std::string& startDir) {
    const LaunchFileSet set = LaunchFilesToSave(platform, settings, wadDir, startDir);
    platform.ChangeDirectory(startDir);
    const std::array<NewFile, kLaunchFilesInSaveOrder.size()> files{{
        {kLaunchFilesInSaveOrder[0], set.responseFile},
        {kLaunchFilesInSaveOrder[1], set.consoleScript},
        {kLaunchFilesInSaveOrder[2], set.batchFile},
    }};
    ReplaceFileSet(platform, startDir, files);
}

Recovery RecoverLaunchFiles(Platform& platform, const std::string& startDir) {
    return RecoverFileSet(platform, startDir, kLaunchFilesInSaveOrder);
}

void StartLaunchFiles(Platform& platform) { platform.StartHidden(std::string(kBatchFileName)); }

void DeleteLaunchFiles(Platform& platform, const std::string& startDir) {
    // By full path: a file dialog may have moved the current directory away.
    // In the order of a save, which the record of the change follows.
    RemoveFileSet(platform, startDir, kLaunchFilesInSaveOrder);
}

} // namespace tarnwick
