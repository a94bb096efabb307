#include "UnsavableValues.h"

#include "AppendParts.h"
#include "FieldNames.h"
#include "IwadCatalogue.h"
#include "LaunchErrors.h"
#include "LaunchFileEncoding.h"
#include "LaunchFileFormat.h"
#include "LaunchQuoting.h"
#include "PathRules.h"
#include "PortLines.h"
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

namespace {

// LoadResponseFile's MAXARGVS: the array it makes for the program's name
// and the response file's arguments, which it fills without a check.
constexpr std::size_t kChocolateArguments = 100;

bool BeyondAscii(char c) { return static_cast<unsigned char>(c) > 127; }

// Whether the last byte the port reads of the value is a backslash: in ANSI
// the second byte of a double-byte character may be one; in UTF-8 only a
// backslash is.
bool EndsInBackslash(const AnsiCodePage& codePage, std::string_view value, TextEncoding encoding) {
    if (value.empty()) return false;
    if (encoding == TextEncoding::Ansi) return value.back() == '\\';
    return value[codePage.LastCharacter(value)] == '\\';
}

// A byte above 127 outside double quotes, as the ZDoom line reads a line:
// within quotes \" is a quote.
bool BeyondAsciiOutsideQuotes(std::string_view text) {
    bool quoted = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (quoted && text[at] == '\\' && at + 1 < text.size() && text[at + 1] == '"') {
            ++at;
        } else if (text[at] == '"') {
            quoted = !quoted;
        } else if (!quoted && BeyondAscii(text[at])) {
            return true;
        }
    }
    return false;
}

} // namespace

void RefuseMisreadValues(const AnsiCodePage& codePage, const LaunchSettings& settings,
                         std::string_view responseFile,
                         const std::function<bool(const std::string&)>& fileExists) {
    using namespace fields;
    const std::string executable = SourcePortExecutable(settings);
    const std::string port(FileNameOf(codePage, executable));
    const PortLine line = LineOf(codePage, executable);
    if (line == PortLine::Chocolate) {
        const std::size_t count = ResponseFileArguments(responseFile, line).size();
        if (count + 1 > kChocolateArguments) {
            std::string message = "The list \"";
            AppendParts(message, {kFiles, "\" and the other values give the response file ",
                                  std::to_string(count), " arguments; ", port, " reads at most ",
                                  std::to_string(kChocolateArguments - 1),
                                  " from a response file (", std::to_string(kChocolateArguments),
                                  " with its own name) and overruns its memory beyond that. Use "
                                  "fewer files.\n",
                                  kNothingSaved});
            throw UnsavableValueError(message);
        }
        return;
    }
    if (line != PortLine::ZDoom && line != PortLine::Other) return;

    const TextEncoding encoding = ResponseFileEncoding(settings);
    std::vector<std::pair<std::string, const std::string*>> quoted;
    const std::string iwad = IwadFileName(settings);
    quoted.emplace_back(std::string(kTheCustomIwad), &iwad);
    for (const std::string& entry : settings.files)
        if (QuotedWhereSplit(entry) != entry)
            quoted.emplace_back("An entry of the list \"" + std::string(kFiles) + "\"", &entry);
    if (QuotedWhereSplit(settings.recordDemo) != settings.recordDemo)
        quoted.emplace_back(Field(kRecordDemo), &settings.recordDemo);
    for (const auto& [field, value] :
         {std::pair{Field(kPlayDemo), &settings.playDemo}, {Field(kLoadGame), &settings.loadGame}})
        if (fileExists(*value) && QuotedWhereSplit(*value) != *value)
            quoted.emplace_back(field, value);
    for (const auto& [field, value] : quoted)
        if (EndsInBackslash(codePage, *value, encoding))
            throw UnsavableValueError(ShowingValue(
                codePage,
                field +
                    " ends in a backslash (or in a character whose last byte is one) inside "
                    "the double quotes that the response file gives it: " +
                    port +
                    " reads it with the closing quote as a quote, and the rest of the "
                    "file as part of this value:",
                *value, kNothingSaved));

    std::vector<std::pair<std::string, const std::string*>> unquoted{
        {Field(kPlayerClass), &settings.playerClass}, {Field(kStartMap), &settings.startMap}};
    if (settings.players == kJoiningPlayers)
        unquoted.emplace_back(Field(kRemoteHost), &settings.remoteHost);
    if (settings.players != kSinglePlayer)
        unquoted.emplace_back(Field(kLocalPort), &settings.localPort);
    for (const auto& [field, value] : unquoted)
        if (std::any_of(value->begin(), value->end(), BeyondAscii))
            throw UnsavableValueError(ShowingValue(
                codePage,
                field +
                    " holds a character beyond ASCII, which the response file writes "
                    "without double quotes and " +
                    port + " reads there as a blank: the value would arrive cut or empty:",
                *value, kNothingSaved));
    if (BeyondAsciiOutsideQuotes(settings.parameters))
        throw UnsavableValueError(ShowingValue(
            codePage,
            Field(kParameters) + " holds a character beyond ASCII outside double quotes, which " +
                port + " reads as a blank there. Put such a value in double quotes:",
            settings.parameters, kNothingSaved));
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
