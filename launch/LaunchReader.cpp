#include "LaunchReader.h"

#include "AppendParts.h"
#include "Conversions.h"
#include "FieldNames.h"
#include "GameDataLists.h"
#include "IwadCatalogue.h"
#include "LaunchFileEncoding.h"
#include "LaunchFileLines.h"
#include "LaunchFileNames.h"
#include "LaunchKeywords.h"
#include "LaunchQuoting.h"
#include "PathRules.h"
#include "SettingsTables.h"
#include "ShownValue.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

namespace tarnwick {

namespace {

// Asked when the saved IWAD is found neither in the start folder nor in the
// WAD directory.
std::string MissingIwadQuestion(const std::string& iwadName) {
    return "File \"" + iwadName + "\" not found! Do you want to enter a new WAD directory?";
}

// The values that lost characters a message shows at most, so that its box
// still fits the screen.
constexpr std::size_t kLostValuesShown = 5;

int ListIndexOrNone(int value, std::size_t itemCount) {
    return value >= 0 && static_cast<std::size_t>(value) < itemCount ? value : kNoSelection;
}

int SourcePortOf(std::string_view executable) {
    for (std::size_t i = 0; i < kSourcePorts.size(); ++i)
        if (!kSourcePorts[i].executable.empty() && kSourcePorts[i].executable == executable)
            return static_cast<int>(i);
    return kCustomSourcePort;
}

void AppendFileList(LaunchSettings& settings, std::string_view text) {
    for (std::string& entry : SplitFileList(text))
        settings.files.push_back(std::move(entry));
}

// Whether a reading of the batch file names a folder or a program beyond
// ASCII that exists.
bool BatchNamesExist(Platform& platform, const std::string& text) {
    LaunchFileLines lines(text);
    const AnsiCodePage& codePage = platform.CodePage();
    const std::string folder = ParseSetLine(codePage, lines.Next().value_or(std::string()));
    const RunLine run = ParseRunLine(codePage, lines.Next().value_or(std::string()));
    return (IsBeyondAscii(folder) && platform.PathExists(folder)) ||
           (IsBeyondAscii(run.executable) && platform.PathExists(run.executable));
}

// The saved batch file's text in the reading that is right for it; nothing
// when there is none.
std::optional<std::string> BatchFileText(Platform& platform) {
    const std::string name(kBatchFileName);
    if (!platform.FileExists(name)) return std::nullopt;
    const LaunchFileReadings readings =
        ReadingsOf(platform, platform.ReadFile(name), TextEncoding::Oem);
    return ChosenReading(readings, [&platform](const std::string& reading) {
        return BatchNamesExist(platform, reading);
    });
}

// How a message names the value that a response file line sets: a field
// by its label, or one of these; any other line is the parameters.
struct NamedValue {
    std::string_view keyword;
    std::string_view name;
    bool field;
};
constexpr NamedValue kNamedValues[] = {
    {keywords::kIwad, fields::kTheCustomIwad, false},
    {keywords::kFile, fields::kFiles, true},
    {keywords::kDeh, fields::kFiles, true},
    {keywords::kBex, fields::kFiles, true},
    {keywords::kRecord, fields::kRecordDemo, true},
    {keywords::kPlayDemo, fields::kPlayDemo, true},
    {keywords::kTimeDemo, fields::kPlayDemo, true},
    {keywords::kLoadGame, fields::kLoadGame, true},
    {keywords::kJoin, fields::kRemoteHost, true},
    {keywords::kPort, fields::kLocalPort, true},
    {keywords::kPlayerClass, fields::kPlayerClass, true},
    {keywords::kMap, fields::kStartMap, true},
    {keywords::kExec, "The name of the console script", false},
    {{}, fields::kParameters, true},
};

// One response file or console script line: which keyword it begins with, and
// what stands after it.
class KeywordLine {
  public:
    KeywordLine(const AnsiCodePage& codePage, std::string_view line)
        : codePage_(codePage), line_(line) {}

    bool BeginsWith(std::string_view keyword) {
        if (!line_.starts_with(keyword)) return false;
        rest_ = line_.substr(keyword.size());
        return true;
    }
    bool Is(std::string_view whole) const { return line_ == whole; }
    std::string_view Rest() const { return rest_; }
    // The rest's first count characters, or fewer.
    std::string_view Rest(std::size_t count) const {
        return rest_.substr(0, codePage_.Skip(rest_, count));
    }
    // The last character, of one byte or two.
    std::string_view Last() const { return line_.substr(codePage_.LastCharacter(line_)); }

  private:
    const AnsiCodePage& codePage_;
    std::string_view line_;
    std::string_view rest_;
};

class LaunchFileReader {
  public:
    LaunchFileReader(Platform& platform, ReaderActions& actions, LaunchSettings& settings,
                     LaunchFolders& folders, StartWadDir startWadDir)
        : platform_(platform), actions_(actions), settings_(settings), folders_(folders),
          wadDir_(folders.WadDir), startWadDir_(startWadDir) {}

    void Read() {
        const std::optional<std::string> responseFile = ReadBatchFile();
        if (!responseFile) return;
        const std::optional<std::string> consoleScript = ReadResponseFile(*responseFile);
        if (!consoleScript) return;
        ReadConsoleScript(*consoleScript);
    }

  private:
    // Sets the WAD directory and the source port; the response file's name
    // when there is such a file.
    std::optional<std::string> ReadBatchFile() {
        const std::optional<std::string> text = BatchFileText(platform_);
        if (!text) return std::nullopt;
        LaunchFileLines lines(*text);

        const std::string savedWadDir = ParseSetLine(CodePage(), lines.Next().value_or(""));
        if (startWadDir_ == StartWadDir::FromSavedSet) {
            wadDir_ = savedWadDir;
            AskAboutUnusableWadDir();
            const IwadList iwads = SetWadDir(platform_, actions_, folders_, wadDir_);
            if (static_cast<std::size_t>(iwads.selected) < iwads.titles.size())
                settings_.iwad = iwads.titles[static_cast<std::size_t>(iwads.selected)];
        }

        const RunLine run = ParseRunLine(CodePage(), lines.Next().value_or(std::string()));
        settings_.sourcePort = SourcePortOf(run.executable);
        if (settings_.sourcePort == kCustomSourcePort) settings_.customExecutable = run.executable;

        if (!platform_.FileExists(run.responseFile)) return std::nullopt;
        return run.responseFile;
    }

    // A saved folder that the scans cannot list (by hand, or saved by an
    // earlier version) is said, and the person may choose another.
    void AskAboutUnusableWadDir() {
        const std::optional<std::string> problem = FolderProblem(
            platform_.CodePage(), "The WAD directory of the saved settings,", wadDir_);
        if (problem && actions_.AskForNewWadDir(*problem + "\nDo you want to enter a new WAD "
                                                           "directory?") == WadDirAnswer::Yes)
            actions_.ShowWadDirDialog();
    }

    // The console script's name when the response file gives one that exists.
    // The batch file's port tells how its response file was written.
    std::optional<std::string> ReadResponseFile(const std::string& name) {
        const std::string bytes = platform_.ReadFile(name);
        const std::string text = ChosenReading(
            ReadingsOf(platform_, bytes, ResponseFileEncoding(settings_)),
            [this](const std::string& reading) { return ResponseNamesExist(reading); });
        LaunchFileLines lines(text);
        LaunchFileLines saved(bytes); // line for line: a line feed is no part of a character
        std::optional<std::string> consoleScript;
        while (const std::optional<std::string> line = lines.Next()) {
            const std::string savedLine = saved.Next().value_or("");
            if (lines.LastBeganWithEndOfFile()) break;
            // A lost character reads as a "?" that the saved line lacks.
            if (std::count(line->begin(), line->end(), '?') >
                std::count(savedLine.begin(), savedLine.end(), '?'))
                NoteLostCharacters(*line, savedLine);
            ApplyResponseLine(*line, consoleScript);
        }
        TellLostCharacters();
        if (!consoleScript || !platform_.FileExists(*consoleScript)) return std::nullopt;
        return consoleScript;
    }

    // A line that lost characters: its value as saved (UTF-8), named.
    void NoteLostCharacters(std::string_view line, std::string_view saved) {
        if (++lostValues_ > kLostValuesShown) return;
        const NamedValue& value = *std::find_if(
            std::begin(kNamedValues), std::end(kNamedValues),
            [line](const NamedValue& named) { return line.starts_with(named.keyword); });
        AppendParts(lostMessage_,
                    {"\n\n", value.field ? fields::Field(value.name) : value.name, ":\n",
                     ShownValue(AnsiCodePage::Utf8(), saved.substr(value.keyword.size()))});
    }

    void TellLostCharacters() {
        if (lostValues_ == 0) return;
        const std::string more =
            lostValues_ > kLostValuesShown
                ? "\n... and " + std::to_string(lostValues_ - kLostValuesShown) + " more."
                : "";
        std::string message =
            "These values of the saved settings hold characters that this system's code page "
            "for programs that are not Unicode lacks: they were saved on another system, or "
            "with another language for programs that are not Unicode.";
        AppendParts(message, {lostMessage_, more,
                              "\n\nThe window shows each such character as \"?\". Save refuses "
                              "a path that holds one: choose that file or folder again. Other "
                              "values are saved as the window shows them."});
        actions_.TellLostCharacters(message);
    }

    // Whether a reading of the response file names a file beyond ASCII that
    // exists where it is looked for. Every value is taken for a name, as a
    // file list is split: the IWAD, the files, the demo and the saved game
    // among them.
    bool ResponseNamesExist(const std::string& text) {
        LaunchFileLines lines(text);
        while (const std::optional<std::string> line = lines.Next()) {
            if (lines.LastBeganWithEndOfFile()) break;
            const std::size_t blank = line->find(' ');
            if (blank == std::string::npos) continue;
            for (const std::string& name : SplitFileList(std::string_view(*line).substr(blank + 1)))
                if (IsBeyondAscii(name) && FileInStartOrWadDir(platform_, folders_, name))
                    return true;
        }
        return false;
    }

    void ApplyResponseLine(const std::string& text, std::optional<std::string>& consoleScript) {
        using namespace keywords;
        KeywordLine line(CodePage(), text);
        if (line.BeginsWith(kIwad)) {
            ReadIwad(BetweenQuotes(CodePage(), line.Rest()));
        } else if (line.BeginsWith(kFile) || line.BeginsWith(kDeh) || line.BeginsWith(kBex)) {
            AppendFileList(settings_, line.Rest());
        } else if (line.BeginsWith(kRecord)) {
            settings_.recordDemo = Unquoted(line.Rest());
        } else if (line.BeginsWith(kPlayDemo)) {
            settings_.playDemo = Unquoted(line.Rest());
            settings_.fastDemo = false;
        } else if (line.BeginsWith(kTimeDemo)) {
            settings_.playDemo = Unquoted(line.Rest());
            settings_.fastDemo = true;
        } else if (line.BeginsWith(kLoadGame)) {
            settings_.loadGame = Unquoted(line.Rest());
        } else if (line.BeginsWith(kJoin)) {
            settings_.players = kJoiningPlayers;
            settings_.remoteHost = std::string(line.Rest());
        } else if (line.BeginsWith(kHost)) {
            settings_.players = ListIndexOrNone(ParseDigit(line.Last()), kPlayerCaptions.size());
        } else if (line.BeginsWith(kPort)) {
            settings_.localPort = std::string(line.Rest());
        } else if (line.BeginsWith(kDup)) {
            settings_.networkDup = std::clamp(ParseDigit(line.Last()), kDupMin, kDupMax);
        } else if (line.BeginsWith(kNetMode)) {
            settings_.peerToPeer = line.Last() == kPeerToPeerNetMode;
        } else if (line.Is(kExtraTic)) {
            settings_.backupPackets = true;
        } else if (line.BeginsWith(kPlayerClass)) {
            settings_.playerClass = std::string(line.Rest());
        } else if (line.BeginsWith(kTeam)) {
            settings_.team = ListIndexOrNone(ParseInteger(line.Rest()), kTeamCaptions.size());
        } else if (line.BeginsWith(kMap)) {
            settings_.startMap = std::string(line.Rest());
        } else if (line.BeginsWith(kExec)) {
            consoleScript = std::string(line.Rest());
        } else if (!text.empty()) {
            // The writer never writes an empty line; any other line is the
            // free parameters, which it writes last.
            settings_.parameters = text;
        }
    }

    void ReadIwad(const std::string& name) {
        if (FileInStartOrWadDir(platform_, folders_, name)) {
            TakeCustomIwad(name);
            return;
        }
        switch (actions_.AskForNewWadDir(MissingIwadQuestion(name))) {
        case WadDirAnswer::Yes:
            // Whatever the dialog did, the saved name is not applied: the
            // list's first entry after its rescan stands.
            actions_.ShowWadDirDialog();
            settings_.iwad = actions_.SelectedIwad();
            break;
        case WadDirAnswer::No:
            TakeCustomIwad(name);
            break;
        case WadDirAnswer::None:
            break;
        }
    }

    void TakeCustomIwad(const std::string& name) {
        settings_.iwad = std::string(kCustomIwadTitle);
        settings_.customIwad = name;
    }

    void ReadConsoleScript(const std::string& name) {
        const std::string bytes = platform_.ReadFile(name);
        LaunchFileLines lines(bytes);
        while (const std::optional<std::string> line = lines.Next()) {
            if (lines.LastBeganWithEndOfFile()) break;
            ApplyConsoleLine(*line);
        }
    }

    void ApplyConsoleLine(const std::string& text) {
        using namespace keywords;
        KeywordLine line(CodePage(), text);
        if (line.BeginsWith(kDeathmatch)) {
            settings_.deathmatch = line.Last() == kSwitchedOn;
        } else if (line.BeginsWith(kTeamplay)) {
            settings_.teamplay = line.Last() == kSwitchedOn;
        } else if (line.BeginsWith(kSkill)) {
            settings_.skill = ListIndexOrNone(ParseDigit(line.Last()), kSkillCaptions.size());
        } else if (line.BeginsWith(kFragLimit)) {
            settings_.fragLimit = std::clamp(ParseInteger(line.Rest()), 0, kLimitMax);
        } else if (line.BeginsWith(kTimeLimit)) {
            settings_.timeLimit = std::clamp(ParseInteger(line.Rest()), 0, kLimitMax);
        } else if (line.BeginsWith(kGravity)) {
            settings_.gravity = std::string(line.Rest());
        } else if (line.BeginsWith(kAirControl)) {
            settings_.airControl =
                std::clamp(ParseScaledFraction(line.Rest(), kAirControlMax), 0, kAirControlMax);
        } else if (line.BeginsWith(kTeamDamage)) {
            constexpr std::size_t kTeamDamageLength = 9;
            settings_.friendlyFire =
                std::clamp(ParseScaledFraction(line.Rest(kTeamDamageLength), kFriendlyFireMax), 0,
                           kFriendlyFireMax);
        }
    }

    const AnsiCodePage& CodePage() const { return platform_.CodePage(); }

    Platform& platform_;
    ReaderActions& actions_;
    LaunchSettings& settings_;
    LaunchFolders& folders_;
    std::string& wadDir_;
    StartWadDir startWadDir_;
    // The values whose reading lost characters, and the part of the message
    // that shows them (UTF-8).
    std::size_t lostValues_ = 0;
    std::string lostMessage_;
};

} // namespace

void ReadLaunchFiles(Platform& platform, ReaderActions& actions, LaunchSettings& settings,
                     LaunchFolders& folders, StartWadDir startWadDir) {
    LaunchFileReader(platform, actions, settings, folders, startWadDir).Read();
}

std::optional<std::string> ReadSavedWadDir(Platform& platform) try {
    const std::optional<std::string> text = BatchFileText(platform);
    if (!text) return std::nullopt;
    return ParseSetLine(platform.CodePage(), LaunchFileLines(*text).Next().value_or(""));
} catch (const IoError&) {
    // Only an offer: Load reads the file next, and says what fails.
    return std::nullopt;
}

} // namespace tarnwick
