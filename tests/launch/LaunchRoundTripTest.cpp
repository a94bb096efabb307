// Random settings written with the writer's texts and read back from real
// files: the second save equals the first, and every field comes back except
// where the reading is intentionally not the writer's inverse.
#include "IwadCatalogue.h"
#include "LaunchErrors.h"
#include "LaunchFileEncoding.h"
#include "LaunchKeywords.h"
#include "LaunchReader.h"
#include "AnsiText.h"
#include "ScriptedReaderActions.h"
#include "SettingsDescription.h"
#include "SystemLetters.h"
#include "TempFolder.h"
#include "Win32Platform.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>
#include <string_view>
#include <vector>

namespace tarnwick {
namespace {

using testing::CurrentDirectoryScope;
using testing::Describe;
using testing::ScriptedReaderActions;
using testing::TempFolder;

// All of them in the default prefix; the other systems' prefixes, which only
// bring their own code pages, run fewer (TARNWICK_ROUND_TRIPS, set by ctest).
int Iterations() {
    const char* count = std::getenv("TARNWICK_ROUND_TRIPS");
    return count != nullptr ? std::atoi(count) : 3000;
}

// Every ASCII byte a value may hold except the double quote, CR, LF and
// Ctrl-Z; blanks and the batch file's special characters come up often.
constexpr std::string_view kAsciiAlphabet = "   abcXYZ019.\\:-+_&%^@|<>(),;=!'~$\x09";

// The characters values are drawn from: ASCII, the system's letters (in a
// double-byte code page, second bytes that look like "\\", "|", "^" and "@"),
// and those of a few more that the ANSI code page has (the euro sign, which
// the OEM code page lacks, a no-break space). Whole characters, as a person
// types them: in UTF-8 (65001) a letter is up to four bytes.
std::vector<std::string> Alphabet() {
    std::vector<std::string> alphabet;
    for (const char c : kAsciiAlphabet)
        alphabet.emplace_back(1, c);
    std::wstring letters = WideFromAnsi(testing::SystemLetters());
    letters += L"\u20AC\u00A0\u00E4\u00FF";
    for (const wchar_t letter : letters) {
        bool lost = false;
        const std::string ansi = NarrowTo(std::wstring_view(&letter, 1), CP_ACP, lost);
        if (!lost) alphabet.push_back(ansi);
    }
    return alphabet;
}

constexpr std::array kResponseKeywords{
    keywords::kIwad,    keywords::kFile,     keywords::kDeh,         keywords::kBex,
    keywords::kRecord,  keywords::kPlayDemo, keywords::kTimeDemo,    keywords::kLoadGame,
    keywords::kJoin,    keywords::kHost,     keywords::kPort,        keywords::kDup,
    keywords::kNetMode, keywords::kExec,     keywords::kPlayerClass, keywords::kTeam,
    keywords::kMap};

bool IsPatch(const std::string& entry) {
    return entry.size() >= 4 && (entry.ends_with(".deh") || entry.ends_with(".bex"));
}

// A demo or saved game "exists" by a rule both saves share.
bool DemoExists(const std::string& name) { return !name.empty() && name.size() % 2 == 0; }

class RandomSettings {
  public:
    explicit RandomSettings(unsigned seed) : alphabet_(Alphabet()), random_(seed) {}

    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool Coin() { return Between(0, 1) == 1; }

    std::string Text(int maxLength = 12) {
        std::string text;
        for (int length = Between(0, maxLength); length > 0; --length)
            text += alphabet_[static_cast<std::size_t>(Between(0, int(alphabet_.size()) - 1))];
        return text;
    }

    std::string FileEntry() {
        static constexpr std::array<std::string_view, 6> kEndings{".wad", ".pk3", ".deh",
                                                                  ".bex", ".DEH", ""};
        std::string entry =
            Text(10) + std::string(kEndings[static_cast<std::size_t>(Between(0, 5))]);
        return entry.empty() ? "x" : entry;
    }

    // Free parameters that begin with a keyword are read as that keyword's
    // line, on purpose; those are not drawn.
    std::string Parameters() {
        for (;;) {
            std::string text = Text(16);
            bool keyword = text == keywords::kExtraTic;
            for (std::string_view k : kResponseKeywords)
                keyword = keyword || text.starts_with(k);
            if (!keyword) return text;
        }
    }

    LaunchSettings Draw() {
        LaunchSettings s;
        s.sourcePort = Between(0, 3);
        s.customExecutable = Text();
        s.skill = Between(0, 4);
        s.players = Between(0, 8);
        s.playerClass = Text();
        s.startMap = Text();
        s.team = Between(-1, 8);
        s.recordDemo = Text();
        s.playDemo = Text();
        s.fastDemo = Coin();
        s.parameters = Parameters();
        const int iwad = Between(0, int(IwadCatalogue.size()) + 1);
        s.iwad = iwad < int(IwadCatalogue.size())
                     ? std::string(IwadCatalogue[static_cast<std::size_t>(iwad)].title)
                     : (iwad == int(IwadCatalogue.size()) ? "Custom..." : Text());
        s.customIwad = Text();
        for (int i = Between(0, 5); i > 0; --i)
            s.files.push_back(FileEntry());
        s.loadGame = Text();
        s.gravity = Text(20);
        s.airControl = Between(0, 256);
        s.friendlyFire = Between(0, 100);
        s.deathmatch = Coin();
        s.teamplay = Coin();
        s.peerToPeer = Coin();
        s.backupPackets = Coin();
        s.localPort = Text(6);
        s.remoteHost = Text();
        s.fragLimit = Coin() ? Between(0, 100) : Between(0, 999999999);
        s.timeLimit = Coin() ? Between(0, 100) : Between(0, 999999999);
        s.networkDup = Between(1, 9);
        return s;
    }

  private:
    std::vector<std::string> alphabet_;
    std::mt19937 random_;
};

// What reading the saved settings into default settings gives.
LaunchSettings ExpectedAfterReading(const LaunchSettings& saved) {
    LaunchSettings e;
    e.sourcePort = saved.sourcePort;
    if (saved.sourcePort == 3) e.customExecutable = saved.customExecutable;
    // The IWAD comes back as the custom one, under the name the file holds.
    const IwadEntry* known = LookupIwadByTitle(saved.iwad);
    e.iwad = "Custom...";
    e.customIwad = known ? std::string(known->launchFileName) : saved.customIwad;
    // Resource files first, then patches.
    for (const std::string& entry : saved.files)
        if (!IsPatch(entry)) e.files.push_back(entry);
    for (const std::string& entry : saved.files)
        if (IsPatch(entry)) e.files.push_back(entry);
    e.recordDemo = saved.recordDemo;
    if (DemoExists(saved.playDemo)) {
        e.playDemo = saved.playDemo;
        e.fastDemo = saved.fastDemo;
    }
    if (DemoExists(saved.loadGame)) e.loadGame = saved.loadGame;
    e.players = saved.players;
    if (saved.players == 0) e.remoteHost = saved.remoteHost;
    if (saved.players != 1) {
        e.localPort = saved.localPort;
        e.networkDup = saved.networkDup;
        e.peerToPeer = saved.peerToPeer;
        e.backupPackets = saved.backupPackets;
        e.team = saved.team;
    }
    e.playerClass = saved.playerClass;
    e.startMap = saved.startMap;
    e.parameters = saved.parameters;
    e.deathmatch = saved.deathmatch;
    e.teamplay = saved.teamplay;
    e.skill = saved.skill;
    e.fragLimit = saved.fragLimit;
    e.timeLimit = saved.timeLimit;
    e.gravity = saved.gravity;
    e.airControl = saved.airControl;
    e.friendlyFire = saved.friendlyFire;
    return e;
}

TEST(LaunchRoundTrip, RandomSettingsSurviveASaveAndARead) {
    Win32Platform platform;
    TempFolder start;
    CurrentDirectoryScope inStart(start.path());
    RandomSettings draw(20261207);

    for (int i = 0, iterations = Iterations(); i < iterations && !HasFailure(); ++i) {
        SCOPED_TRACE("iteration " + std::to_string(i));
        const LaunchSettings saved = draw.Draw();
        // Under the start folder, so that no drawn text reaches the network
        // (a path that begins with two backslashes names a server) and the
        // scans stay quick.
        const std::string savedWadDir = start / draw.Text(20);
        const LaunchFileSet first =
            FormatLaunchFiles(platform.CodePage(), saved, savedWadDir, DemoExists);
        LaunchFileSet onDisk;
        try {
            onDisk = EncodeLaunchFiles(platform, saved, savedWadDir, first);
        } catch (const UnsavableValueError&) {
            // The euro sign has no form in the OEM code page that cmd reads.
            const auto inOem = [&platform](const std::string& text) {
                return platform.FromAnsi(text, TextEncoding::Oem).has_value();
            };
            EXPECT_TRUE(!inOem(savedWadDir) ||
                        (saved.sourcePort == 3 && !inOem(saved.customExecutable)));
            continue;
        }
        start.AddFile("qorvex.rsp", onDisk.responseFile);
        start.AddFile("qorvex.cfg", onDisk.consoleScript);
        start.AddFile("qorvex.bat", onDisk.batchFile);

        LaunchSettings read;
        LaunchFolders folders{"C:\\BEFORE", start.path()};
        ScriptedReaderActions actions(platform, folders);
        actions.answer = WadDirAnswer::No;
        ReadLaunchFiles(platform, actions, read, folders);

        EXPECT_EQ(folders.WadDir, savedWadDir);
        const LaunchSettings expected = ExpectedAfterReading(saved);
        EXPECT_EQ(Describe(read), Describe(expected));
        EXPECT_TRUE(read == expected); // no field left out of Describe
        const LaunchFileSet second =
            FormatLaunchFiles(platform.CodePage(), read, folders.WadDir, DemoExists);
        EXPECT_EQ(second.responseFile, first.responseFile);
        EXPECT_EQ(second.consoleScript, first.consoleScript);
        EXPECT_EQ(second.batchFile, first.batchFile);
    }
    SetEnvironmentVariableA("DOOMWADDIR", nullptr);
}

} // namespace
} // namespace tarnwick
