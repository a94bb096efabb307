#include "DoubleByteCodePage.h"
#include "LaunchQuoting.h"

#include "CommandLineText.h"
#include "PathRules.h"
#include "PortLines.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

#include <random>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using Entries = std::vector<std::string>;
using testing::JapaneseCodePage;

const AnsiCodePage kSingleByte;
const AnsiCodePage kJapanese = JapaneseCodePage();

// Values over every character that Save lets into a quoted or escaped value:
// no control character and no double quote. The characters that quoting and
// escaping are about come up often, and in a double-byte code page so do
// second bytes that look like them.
class RandomValues {
  public:
    explicit RandomValues(const AnsiCodePage& codePage) : codePage_(codePage) {}

    std::size_t Between(std::size_t low, std::size_t high) {
        return std::uniform_int_distribution<std::size_t>(low, high)(random_);
    }

    std::string Value(std::size_t maxLength) {
        constexpr std::string_view kSpecial = " %&^@|<>(),;=";
        // Second bytes that look like characters of a path or of cmd.
        constexpr std::string_view kLookAlikes = "\\@^|";
        std::string value;
        for (std::size_t length = Between(0, maxLength); value.size() < length;) {
            if (Between(0, 1) == 0) {
                value += kSpecial[Between(0, kSpecial.size() - 1)];
                continue;
            }
            char c = '"';
            while (c == '"')
                c = static_cast<char>(Between(0x20, 0xFF));
            value += c;
            if (codePage_.IsLeadByte(c))
                value += Between(0, 1) == 0 ? kLookAlikes[Between(0, kLookAlikes.size() - 1)]
                                            : static_cast<char>(Between(0x40, 0xFC));
        }
        return value;
    }

  private:
    const AnsiCodePage& codePage_;
    std::mt19937 random_{20261213};
};

TEST(LaunchQuoting, EachReadingGivesBackWhatItsWritingWasGiven) {
    for (const AnsiCodePage* codePage : {&kSingleByte, &kJapanese}) {
        RandomValues draw(*codePage);
        for (int i = 0; i < 5000 && !HasFailure(); ++i) {
            const std::string value = draw.Value(12);
            EXPECT_EQ(BetweenQuotes(*codePage, Quoted(value)), value);
            EXPECT_EQ(Unquoted(QuotedWhereSplit(value)), value);
            EXPECT_EQ(ParseSetLine(*codePage, FormatSetLine(*codePage, value)), value)
                << FormatSetLine(*codePage, value);
            const RunLine run{value, draw.Value(12)};
            EXPECT_EQ(ParseRunLine(*codePage, FormatRunLine(*codePage, run)), run)
                << FormatRunLine(*codePage, run);

            // An empty entry does not come back (a blank at the end adds
            // nothing); the main window adds none.
            Entries entries(draw.Between(0, 5));
            for (std::string& entry : entries) {
                do {
                    entry = draw.Value(10);
                } while (entry.empty());
            }
            EXPECT_EQ(SplitFileList(JoinFileList(entries)), entries) << JoinFileList(entries);
        }
    }
}

// Lines the writer never writes, as a hand or an earlier version wrote them.
TEST(LaunchQuoting, ValuesAndFileListsWrittenByHand) {
    // The IWAD's first and last characters go, whatever they are.
    EXPECT_EQ(BetweenQuotes(kSingleByte, "mine.wad"), "ine.wa");
    EXPECT_EQ(BetweenQuotes(kSingleByte, "x"), "");
    EXPECT_EQ(Unquoted("\"\""), "");
    EXPECT_EQ(Unquoted("\""), "\"");
    EXPECT_EQ(Unquoted("\"a"), "\"a");
    EXPECT_EQ(Unquoted("a\""), "a\"");

    EXPECT_EQ(SplitFileList(""), Entries{});
    EXPECT_EQ(SplitFileList("a "), (Entries{"a"}));
    EXPECT_EQ(SplitFileList(" a"), (Entries{"", "a"}));
    EXPECT_EQ(SplitFileList(" "), (Entries{""}));
    EXPECT_EQ(SplitFileList("a  b"), (Entries{"a", " b"}));
    EXPECT_EQ(SplitFileList("a  "), (Entries{"a", " "}));
    EXPECT_EQ(SplitFileList("a   b"), (Entries{"a", " ", "b"}));
    EXPECT_EQ(SplitFileList("C:\\My Wads\\x.wad"), (Entries{"C:\\My", "Wads\\x.wad"}));
    EXPECT_EQ(SplitFileList("\"a b\"\"c d\""), (Entries{"a b", "c d"}));
    EXPECT_EQ(SplitFileList("\"a b\"x"), (Entries{"a b", "x"}));
    EXPECT_EQ(SplitFileList("\"a b\" "), (Entries{"a b"}));
    // An unclosed quote is an ordinary character.
    EXPECT_EQ(SplitFileList("\"a b"), (Entries{"\"a", "b"}));
    EXPECT_EQ(SplitFileList("x \"a b"), (Entries{"x", "\"a", "b"}));
}

TEST(LaunchQuoting, BatchLinesWrittenByHand) {
    EXPECT_EQ(ParseSetLine(kSingleByte, "set"), "");
    EXPECT_EQ(ParseSetLine(kSingleByte, ""), "");
    // The first 15 characters are not examined.
    EXPECT_EQ(ParseSetLine(kSingleByte, "xxxxxxxxxxxxxxxD:\\W"), "D:\\W");
    EXPECT_EQ(ParseSetLine(kSingleByte, "set DOOMWADDIR=%PATH%%%"), "%PATH%%");
    EXPECT_EQ(ParseSetLine(kSingleByte, "set \"DOOMWADDIR=\""), "");
    EXPECT_EQ(ParseSetLine(kSingleByte, "set \"DOOMWADDIR=C:\\open"), "C:\\open");

    const auto expectRun = [](std::string_view line, const RunLine& run) {
        EXPECT_EQ(ParseRunLine(kSingleByte, line), run) << line;
    };
    expectRun("@qorvex.rsp", {"", "qorvex.rsp"});
    expectRun("C:\\Ports\\my port.exe @qorvex.rsp", {"C:\\Ports\\my port.exe", "qorvex.rsp"});
    expectRun("a@b@c", {"", "b@c"});
    expectRun("qorvex.rsp", {"", "qorvex.rsp"});
    expectRun("", {"", ""});
    expectRun("\"\" @qorvex.rsp", {"", "qorvex.rsp"});
    expectRun("\"C:\\x.exe\"", {"C:\\x.exe", ""});
    // Without its closing quote the line is read as an unquoted one.
    expectRun("\"C:\\x.exe @qorvex.rsp", {"\"C:\\x.exe", "qorvex.rsp"});
}

// In a double-byte code page a second byte may look like "\", "@", "^" or
// "|"; it is part of its character, which is taken whole. (In code page 932:
// ァ 83 40, タ 83 5E, ポ 83 7C, 表 95 5C.)
TEST(LaunchQuoting, DoubleByteCharactersAreTakenWhole) {
    const std::string folder = "C:\\\x83\x40\x83\x5E\x83\x7C\x95\x5C";
    EXPECT_EQ(FormatSetLine(kJapanese, folder), "set DOOMWADDIR=" + folder);
    EXPECT_EQ(FormatSetLine(kJapanese, folder + "&"), "set \"DOOMWADDIR=" + folder + "&\"");
    EXPECT_EQ(FormatRunLine(kJapanese, {folder + "\\p.exe", "qorvex.rsp"}),
              folder + "\\p.exe @qorvex.rsp");
    EXPECT_EQ(FormatRunLine(kJapanese, {folder + "@\\p.exe", "r"}),
              "\"" + folder + "@\\p.exe\" @r");
    // The bytes as single-byte characters: "@", "^" and "|" of their own.
    EXPECT_EQ(FormatSetLine(kSingleByte, folder), "set \"DOOMWADDIR=" + folder + "\"");
    EXPECT_EQ(FormatRunLine(kSingleByte, {folder, "r"}), "\"" + folder + "\" @r");

    // Written unquoted by an earlier version, or by hand.
    const RunLine run{folder + "\\p.exe", "qorvex.rsp"};
    EXPECT_EQ(ParseRunLine(kJapanese, folder + "\\p.exe @qorvex.rsp"), run);
    EXPECT_EQ(ParseRunLine(kJapanese, "\"" + folder + "\\p.exe\" @qorvex.rsp"), run);
    // The character before the "@" goes whole, as the writer's blank would.
    EXPECT_EQ(ParseRunLine(kJapanese, "p\x95\x5C@r"), (RunLine{"p", "r"}));
    EXPECT_EQ(ParseSetLine(kJapanese, std::string(15, ' ') + folder), folder);
    EXPECT_EQ(ParseSetLine(kJapanese, "\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95\x5C"
                                      "\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95\x5C"
                                      "\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95\x5C" +
                                          folder),
              folder);

    // The IWAD's first and last characters, of two bytes each.
    EXPECT_EQ(BetweenQuotes(kJapanese, "\x95\x5C" + folder + "\x95\x5C"), folder);
    EXPECT_EQ(BetweenQuotes(kJapanese, "\"\x95\x5C\""), "\x95\x5C");
    EXPECT_EQ(BetweenQuotes(kJapanese, "\x95\x5C"), "");
}

// What the ports read from the response file (their own readers, as the
// Launch Command dialog shows them): each entry of a file list whole.
TEST(LaunchQuoting, ThePortsReadEachWrittenFileListEntryWhole) {
    RandomValues draw(kSingleByte);
    for (int i = 0; i < 3000 && !HasFailure(); ++i) {
        Entries entries(draw.Between(1, 4));
        for (std::string& entry : entries) {
            // A name ending in a backslash inside quotes would escape the
            // closing quote for the ZDoom line; file names never end so.
            do {
                entry = draw.Value(10);
            } while (entry.empty() || entry.back() == '\\');
        }
        const std::string file = "-file " + JoinFileList(entries) + "\r\n+exec qorvex.cfg\r\n";
        Entries expected{"-file"};
        expected.insert(expected.end(), entries.begin(), entries.end());
        expected.insert(expected.end(), {"+exec", "qorvex.cfg"});
        for (const PortLine line : {PortLine::ZDoom, PortLine::Chocolate})
            EXPECT_EQ(ResponseFileArguments(file, line), expected) << file;
    }
}

TEST(LaunchQuoting, EachPortsReadingOfAResponseFile) {
    const auto zdoom = [](std::string_view bytes) {
        return ResponseFileArguments(bytes, PortLine::ZDoom);
    };
    const auto chocolate = [](std::string_view bytes) {
        return ResponseFileArguments(bytes, PortLine::Chocolate);
    };
    // The ZDoom line: a byte above 127 ends an unquoted word and is lost; a
    // quote ends one too; \" in quotes is a quote; an open quote runs on.
    EXPECT_EQ(zdoom("-map caf\xE9s\r\n"), (Entries{"-map", "caf", "s"}));
    EXPECT_EQ(zdoom("a\"b c\"d"), (Entries{"a", "b c", "d"}));
    EXPECT_EQ(zdoom("\"x\\\"y\" \"\" \"open\r\nz"), (Entries{"x\"y", "", "open\r\nz"}));
    EXPECT_EQ(ResponseFileArguments("a\xE9", PortLine::Other), (Entries{"a"}));
    // Chocolate Doom: only white space ends a word; a quote counts only at
    // its start, and ends at the line's end.
    EXPECT_EQ(chocolate("-map caf\xE9s\r\n"), (Entries{"-map", "caf\xE9s"}));
    EXPECT_EQ(chocolate("a\"b c\"d\t\"x\\\"y"), (Entries{"a\"b", "c\"d", "x\\", "y"}));

    // By the executable's file name, in any case, with or without ".exe",
    // its folder looked at by the characters of the code page: a second byte
    // "\" is no separator.
    const AnsiCodePage& singleByte = kSingleByte;
    const AnsiCodePage& japanese = kJapanese;
    EXPECT_EQ(PortName(singleByte, "C:\\Ports\\DSDA-Doom.EXE"), "dsda-doom");
    EXPECT_EQ(LineOf(singleByte, "C:\\Ports\\DSDA-Doom.EXE"), PortLine::Boom);
    EXPECT_EQ(LineOf(singleByte, "C:\\\x95\\dsda-doom.exe"), PortLine::Boom);
    EXPECT_EQ(LineOf(japanese, "C:\\\x95\\dsda-doom.exe"), PortLine::Other);
    for (const char* port : {"gzdoom.exe", "ZDoom.exe", "skulltag.exe", "uzdoom.exe", "lzdoom.exe",
                             "qzdoom.exe", "vkdoom.exe", "zandronum.exe", "odamex.exe"})
        EXPECT_EQ(LineOf(singleByte, port), PortLine::ZDoom) << port;
    for (const char* port :
         {"chocolate-doom.exe", "chocolate-heretic.exe", "chocolate-hexen.exe",
          "chocolate-strife.exe", "crispy-doom.exe", "crispy-heretic.exe", "Crispy-Hexen"})
        EXPECT_EQ(LineOf(singleByte, port), PortLine::Chocolate) << port;
    for (const char* port : {"woof.exe", "nugget-doom.exe", "dsda-doom.exe", "prboom-plus.exe",
                             "glboom-plus.exe", "D:\\g/Eternity.exe"})
        EXPECT_EQ(LineOf(singleByte, port), PortLine::Boom) << port;
    for (const char* port : {"", "woof.exe.bak", "my-woof.exe", "crispy.exe", "doom.exe"})
        EXPECT_EQ(LineOf(singleByte, port), PortLine::Other) << port;
}

// A command line for CreateProcess: each argument comes back whole to the C
// runtime's reading, ours and (under Windows) the system's own,
// CommandLineToArgvW; and a command line typed as such (Parameters) splits
// as the system splits it.
TEST(LaunchQuoting, CommandLineArgumentsComeBackWhole) {
    EXPECT_EQ(CommandLine("port.exe", {"doom2.wad", "", "C:\\My Wads\\", "a\\\"b", "x&y"}),
              "port.exe doom2.wad \"\" \"C:\\My Wads\\\\\" a\\\\\\\"b x&y");
    EXPECT_EQ(
        SplitCommandLine(" -file \"my map.wad\"  a\\\\\\\"b \"c\"\"d\" e\\f\\\\\"g h\"\t\"\""),
        (Entries{"-file", "my map.wad", "a\\\"b", "c\"d", "e\\f\\g h", ""}));
    EXPECT_EQ(SplitCommandLine(""), Entries{});
    RandomValues draw(kSingleByte);
    for (int i = 0; i < 2000 && !HasFailure(); ++i) {
        Entries values(draw.Between(1, 3));
        for (std::string& value : values) {
            value = draw.Value(8);
            for (char& c : value)
                if (draw.Between(0, 4) == 0) c = "\"\\ \t"[draw.Between(0, 3)];
        }
        const std::string line = CommandLine("port.exe", values);
        EXPECT_EQ(SplitCommandLine(line.substr(9)), values) << line;
#ifdef _WIN32
        std::wstring wide(line.size(), L'\0');
        wide.resize(
            std::size_t(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, line.data(),
                                            int(line.size()), wide.data(), int(wide.size()))));
        if (wide.empty()) continue; // bytes that are no text of the system's code page
        int count = 0;
        wchar_t** arguments = CommandLineToArgvW(wide.c_str(), &count);
        ASSERT_EQ(std::size_t(count), values.size() + 1) << line;
        for (std::size_t at = 0; at < values.size(); ++at) {
            std::string back(values[at].size() * 2 + 2, '\0');
            back.resize(
                std::size_t(WideCharToMultiByte(CP_ACP, 0, arguments[at + 1], -1, back.data(),
                                                int(back.size()), nullptr, nullptr) -
                            1));
            EXPECT_EQ(back, values[at]) << line;
        }
        LocalFree(arguments);
#endif
    }
}

// For a person's Command Prompt: the C runtime's quoting, with cmd kept off
// "&|<>^()", a double quote and "%OS%" (a variable's name never begins with
// a double quote); the batch file's set line, unquoted, behind carets. (The
// end-to-end scenarios paste them into Wine's cmd.)
TEST(LaunchQuoting, ConsoleTextKeepsCmdOffTheValues) {
    EXPECT_EQ(ConsoleArgument("doom2.wad"), "doom2.wad");
    EXPECT_EQ(ConsoleArgument(""), "\"\"");
    EXPECT_EQ(ConsoleArgument("C:\\My Wads\\"), "\"C:\\My Wads\\\\\"");
    EXPECT_EQ(ConsoleArgument("x&y"), "\"x&y\"");
    EXPECT_EQ(ConsoleArgument("a+b"), "a+b");
    EXPECT_EQ(ConsoleArgument("a\\\"b"), "a\\\\\\^\"b");
    EXPECT_EQ(ConsoleArgument("a \"b\""), "\"a \"\\^\"b\\^\"");
    EXPECT_EQ(ConsoleArgument("100%OS%x"), "100%\"\"OS%\"\"x");
    EXPECT_EQ(ConsoleArgument("a b%OS%"), "\"a b%\"OS%");
    EXPECT_EQ(ConsoleArgument("%%(x)"), "\"%\"%\"(x)\"");
    EXPECT_EQ(ConsoleProgram("C:\\Games (x86)\\port.exe"), "\"C:\\Games (x86)\\port.exe\"");
    EXPECT_EQ(ConsoleProgram("C:\\a+b\\port.exe"), "\"C:\\a+b\\port.exe\"");
    EXPECT_EQ(ConsoleProgram("C:\\Ports\\woof.exe"), "C:\\Ports\\woof.exe");
    EXPECT_EQ(ConsoleSetLine("DOOMWADDIR", "C:\\100%OS%\\a&b (x)"),
              "set DOOMWADDIR=C:\\100%^OS%^\\a^&b ^(x^)");
    EXPECT_EQ(ConsoleSetLine("DOOMWADDIR", "C:\\w%"), "set DOOMWADDIR=C:\\w%");
    EXPECT_EQ(ConsoleSetLine("DOOMWADDIR", ""), "set DOOMWADDIR=");
}

} // namespace
} // namespace tarnwick
