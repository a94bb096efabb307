#include "LaunchFileLines.h"

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

} // namespace
} // namespace tarnwick
