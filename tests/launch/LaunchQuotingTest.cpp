#include "LaunchQuoting.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using Entries = std::vector<std::string>;

// Values over every byte that Save lets into a quoted or escaped value: no
// control character and no double quote. The characters that quoting and
// escaping are about come up often.
class RandomValues {
  public:
    std::size_t Between(std::size_t low, std::size_t high) {
        return std::uniform_int_distribution<std::size_t>(low, high)(random_);
    }

    std::string Value(std::size_t maxLength) {
        constexpr std::string_view kSpecial = " %&^@|<>(),;=";
        std::string value(Between(0, maxLength), ' ');
        for (char& c : value) {
            if (Between(0, 1) == 0) {
                c = kSpecial[Between(0, kSpecial.size() - 1)];
                continue;
            }
            do {
                c = static_cast<char>(Between(0x20, 0xFF));
            } while (c == '"');
        }
        return value;
    }

  private:
    std::mt19937 random_{20261213};
};

TEST(LaunchQuoting, EachReadingGivesBackWhatItsWritingWasGiven) {
    RandomValues draw;
    for (int i = 0; i < 5000 && !HasFailure(); ++i) {
        const std::string value = draw.Value(12);
        EXPECT_EQ(BetweenQuotes(Quoted(value)), value);
        EXPECT_EQ(Unquoted(QuotedWhereSplit(value)), value);
        EXPECT_EQ(ParseSetLine(FormatSetLine(value)), value) << FormatSetLine(value);
        const RunLine run{value, draw.Value(12)};
        EXPECT_EQ(ParseRunLine(FormatRunLine(run)), run) << FormatRunLine(run);

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

// Lines the writer never writes, as a hand or an earlier version wrote them.
TEST(LaunchQuoting, ValuesAndFileListsWrittenByHand) {
    // The IWAD's first and last characters go, whatever they are.
    EXPECT_EQ(BetweenQuotes("mine.wad"), "ine.wa");
    EXPECT_EQ(BetweenQuotes("x"), "");
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
    EXPECT_EQ(ParseSetLine("set"), "");
    EXPECT_EQ(ParseSetLine(""), "");
    // The first 15 characters are not examined.
    EXPECT_EQ(ParseSetLine("xxxxxxxxxxxxxxxD:\\W"), "D:\\W");
    EXPECT_EQ(ParseSetLine("set DOOMWADDIR=%PATH%%%"), "%PATH%%");
    EXPECT_EQ(ParseSetLine("set \"DOOMWADDIR=\""), "");
    EXPECT_EQ(ParseSetLine("set \"DOOMWADDIR=C:\\open"), "C:\\open");

    const auto expectRun = [](std::string_view line, const RunLine& run) {
        EXPECT_EQ(ParseRunLine(line), run) << line;
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

} // namespace
} // namespace tarnwick
