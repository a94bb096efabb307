#include "BatchFileLines.h"
#include "LaunchFileLines.h"
#include "LaunchQuoting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

using Lines = std::vector<std::string>;

Lines AllLines(std::string_view bytes, bool stopAtEndOfFile = false) {
    LaunchFileLines walker(bytes);
    Lines lines;
    while (const auto line = walker.Next()) {
        if (stopAtEndOfFile && walker.LastBeganWithEndOfFile()) break;
        lines.push_back(*line);
    }
    return lines;
}

TEST(LaunchFileLines, LineEndsCarriageReturnsAndCtrlZ) {
    EXPECT_EQ(AllLines(""), Lines{});
    EXPECT_EQ(AllLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(AllLines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(AllLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    // A lone carriage return is dropped, it does not end the line.
    EXPECT_EQ(AllLines("a\rb\r\nc\r"), (Lines{"ab", "c"}));
    EXPECT_EQ(AllLines("a\r\r\n"), (Lines{"a"}));
    // Ctrl-Z ends the line's text; the next line is read as usual.
    EXPECT_EQ(AllLines("ab\x1A"
                       "cd\r\nef"),
              (Lines{"ab", "ef"}));
    EXPECT_EQ(AllLines("a\r\n\x1A"
                       "b\r\nc\r\n"),
              (Lines{"a", "", "c"}));
    EXPECT_EQ(AllLines("a\r\n\x1A"
                       "b\r\nc\r\n",
                       true),
              (Lines{"a"}));
    EXPECT_EQ(AllLines("a\r\n\r\x1A\r\nc\r\n", true), (Lines{"a"}));
    EXPECT_EQ(AllLines(std::string("a\0b\r\n", 5)), (Lines{std::string("a\0b", 3)}));
}

TEST(LaunchQuoting, UnquotedRemovesEnclosingQuotesOnly) {
    EXPECT_EQ(Unquoted("\"my demo.lmp\""), "my demo.lmp");
    EXPECT_EQ(Unquoted("\"\""), "");
    EXPECT_EQ(Unquoted("demo.lmp"), "demo.lmp");
    EXPECT_EQ(Unquoted("\""), "\"");
    EXPECT_EQ(Unquoted("\"a"), "\"a");
    EXPECT_EQ(Unquoted("a\""), "a\"");
    EXPECT_EQ(Unquoted(""), "");
}

TEST(LaunchQuoting, FileListsWithoutQuotesSplitAtSingleBlanks) {
    EXPECT_EQ(SplitFileList(""), Lines{});
    EXPECT_EQ(SplitFileList("maps.wad sounds.pk3"), (Lines{"maps.wad", "sounds.pk3"}));
    EXPECT_EQ(SplitFileList("a"), (Lines{"a"}));
    EXPECT_EQ(SplitFileList("a "), (Lines{"a"}));
    EXPECT_EQ(SplitFileList(" a"), (Lines{"", "a"}));
    EXPECT_EQ(SplitFileList(" "), (Lines{""}));
    EXPECT_EQ(SplitFileList("a  b"), (Lines{"a", " b"}));
    EXPECT_EQ(SplitFileList("a  "), (Lines{"a", " "}));
    EXPECT_EQ(SplitFileList("a   b"), (Lines{"a", " ", "b"}));
    EXPECT_EQ(SplitFileList("C:\\My Wads\\x.wad"), (Lines{"C:\\My", "Wads\\x.wad"}));
    EXPECT_EQ(SplitFileList("a b c d"), (Lines{"a", "b", "c", "d"}));
}

TEST(LaunchQuoting, QuotedFileListEntriesComeBackWhole) {
    EXPECT_EQ(SplitFileList("\"C:\\My Wads\\x.wad\""), (Lines{"C:\\My Wads\\x.wad"}));
    EXPECT_EQ(SplitFileList("a.wad \"b c.wad\" d.pk3"), (Lines{"a.wad", "b c.wad", "d.pk3"}));
    EXPECT_EQ(SplitFileList("\" lead\" \"trail \" \"  \""), (Lines{" lead", "trail ", "  "}));
    EXPECT_EQ(SplitFileList("\"a b\"\"c d\""), (Lines{"a b", "c d"}));
    EXPECT_EQ(SplitFileList("\"a b\"x"), (Lines{"a b", "x"}));
    EXPECT_EQ(SplitFileList("\"a b\" "), (Lines{"a b"}));
    // An unclosed quote is an ordinary character.
    EXPECT_EQ(SplitFileList("\"a b"), (Lines{"\"a", "b"}));
    EXPECT_EQ(SplitFileList("x \"a b"), (Lines{"x", "\"a", "b"}));
}

TEST(LaunchQuoting, DoubledPercentReadsBackAsOne) {
    EXPECT_EQ(UnescapePercent("100%%"), "100%");
    EXPECT_EQ(UnescapePercent("%%%%"), "%%");
    EXPECT_EQ(UnescapePercent("%%%"), "%%");
    EXPECT_EQ(UnescapePercent("%PATH%"), "%PATH%");
    EXPECT_EQ(UnescapePercent(""), "");
}

TEST(BatchFileLines, WadDirFromTheSetLine) {
    EXPECT_EQ(WadDirFromSetLine("set DOOMWADDIR=C:\\Games\\WADs"), "C:\\Games\\WADs");
    EXPECT_EQ(WadDirFromSetLine("set DOOMWADDIR="), "");
    EXPECT_EQ(WadDirFromSetLine("set"), "");
    EXPECT_EQ(WadDirFromSetLine(""), "");
    // The first 15 characters are not examined.
    EXPECT_EQ(WadDirFromSetLine("xxxxxxxxxxxxxxxD:\\W"), "D:\\W");
    EXPECT_EQ(WadDirFromSetLine("set DOOMWADDIR=C:\\100%%"), "C:\\100%");
    EXPECT_EQ(WadDirFromSetLine("set DOOMWADDIR= a b "), " a b ");
    EXPECT_EQ(WadDirFromSetLine("set \"DOOMWADDIR=C:\\R&D\""), "C:\\R&D");
    EXPECT_EQ(WadDirFromSetLine("set \"DOOMWADDIR=C:\\a^b %% c\""), "C:\\a^b % c");
    EXPECT_EQ(WadDirFromSetLine("set \"DOOMWADDIR=\""), "");
    EXPECT_EQ(WadDirFromSetLine("set \"DOOMWADDIR=C:\\open"), "C:\\open");
}

TEST(BatchFileLines, ExecutableAndResponseFileFromTheRunLine) {
    auto expectRun = [](std::string_view line, const std::string& executable,
                        const std::string& responseFile) {
        const RunLine run = ParseRunLine(line);
        EXPECT_EQ(run.executable, executable) << line;
        EXPECT_EQ(run.responseFile, responseFile) << line;
    };
    expectRun("gzdoom.exe @qorvex.rsp", "gzdoom.exe", "qorvex.rsp");
    expectRun(" @qorvex.rsp", "", "qorvex.rsp");
    expectRun("@qorvex.rsp", "", "qorvex.rsp");
    expectRun("C:\\Ports\\my port.exe @qorvex.rsp", "C:\\Ports\\my port.exe", "qorvex.rsp");
    expectRun("a@b@c", "", "b@c");
    expectRun("qorvex.rsp", "", "qorvex.rsp");
    expectRun("", "", "");
    expectRun("C:\\100%%.exe @qorvex.rsp", "C:\\100%.exe", "qorvex.rsp");
    expectRun("\"C:\\my port@home.exe\" @qorvex.rsp", "C:\\my port@home.exe", "qorvex.rsp");
    expectRun("\"C:\\a%%b;c.exe\" @qorvex.rsp", "C:\\a%b;c.exe", "qorvex.rsp");
    expectRun("\"\" @qorvex.rsp", "", "qorvex.rsp");
    expectRun("\"C:\\x.exe\"", "C:\\x.exe", "");
    // Without its closing quote the line is read as an unquoted one.
    expectRun("\"C:\\x.exe @qorvex.rsp", "\"C:\\x.exe", "qorvex.rsp");
}

} // namespace
} // namespace tarnwick
