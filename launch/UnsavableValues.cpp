#include "UnsavableValues.h"

#include "FieldNames.h"
#include "IwadCatalogue.h"
#include "LaunchErrors.h"
#include "LaunchFileFormat.h"
#include "PathRules.h"
#include "ShownValue.h"

#include <algorithm>
#include <vector>

namespace tarnwick {
namespace {

constexpr std::string_view kNothingSaved = "Nothing was saved.";

bool Contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

} // namespace

void RefuseUnsavableValues(const AnsiCodePage& codePage, const LaunchSettings& settings,
                           const std::string& wadDir) {
    using namespace fields;
    enum class Kind { Text, File, Folder };
    struct Value {
        std::string field;
        const std::string& text;
        Kind kind;
    };
    const SourcePortItem& port = ChosenPort(settings);
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
    if (port.executable.empty())
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

void RefuseUnusableStartFolder(const AnsiCodePage& codePage, const std::string& startDir) {
    if (HasLostCharacter(startDir))
        throw UnsavableValueError(*FolderProblem(codePage,
                                                 "The folder the launcher was started in, where "
                                                 "it writes the launch files,",
                                                 startDir) +
                                  "\nNothing was saved.");
}

} // namespace tarnwick
