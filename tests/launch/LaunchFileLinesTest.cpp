#include "LaunchFileEncoding.h"
#include "LaunchFileLines.h"

#include <gtest/gtest.h>

#include <set>
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

// A response file is read as UTF-8 only when it is valid UTF-8 that goes
// beyond ASCII; text in an 8-bit code page almost never is.
TEST(LaunchFileEncoding, TellsUtf8FromAnsiText) {
    EXPECT_FALSE(IsUtf8BeyondAscii(""));
    EXPECT_FALSE(IsUtf8BeyondAscii("-file maps.wad\r\n"));
    EXPECT_TRUE(IsUtf8BeyondAscii("-file \"carte \xC3\xA9.wad\"\r\n"));
    EXPECT_TRUE(IsUtf8BeyondAscii("\xD0\xBA\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0")); // Cyrillic
    EXPECT_TRUE(IsUtf8BeyondAscii("\xE2\x82\xAC \xF0\x9F\x98\x80")); // three and four bytes
    EXPECT_FALSE(IsUtf8BeyondAscii("carte \xE9.wad"));               // é in ANSI
    EXPECT_FALSE(IsUtf8BeyondAscii("Donn\xC3\xA9"
                                   "es \xE9"));          // one stray byte
    EXPECT_FALSE(IsUtf8BeyondAscii("\xC3"));             // cut short
    EXPECT_FALSE(IsUtf8BeyondAscii("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(IsUtf8BeyondAscii("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(IsUtf8BeyondAscii("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(IsUtf8BeyondAscii("\xC3\xA9\x80"));     // a lone continuation
}

// Where both readings are possible and differ, what they name decides: the
// earlier reading wins only when it alone names something that exists; both
// or neither, the current one.
TEST(LaunchFileEncoding, TheEarlierReadingWinsOnlyWhenItAloneNamesWhatExists) {
    std::set<std::string> existing;
    int lookups = 0;
    const auto chosen = [&](const LaunchFileReadings& readings) {
        return ChosenReading(readings, [&](const std::string& text) {
            ++lookups;
            return existing.contains(text);
        });
    };
    const LaunchFileReadings readings{"new", "old"};
    EXPECT_EQ(chosen(readings), "new");
    existing = {"old"};
    EXPECT_EQ(chosen(readings), "old");
    existing = {"old", "new"};
    EXPECT_EQ(chosen(readings), "new");
    existing = {"new"};
    EXPECT_EQ(chosen(readings), "new");

    // Both alike (the current one impossible, or ASCII): nothing is looked up.
    lookups = 0;
    existing = {"same"};
    EXPECT_EQ(chosen({"same", "same"}), "same");
    EXPECT_EQ(lookups, 0);
    EXPECT_TRUE(IsBeyondAscii("Donn\xE9"));
    EXPECT_FALSE(IsBeyondAscii("C:\\WADS\x7F"));
}

} // namespace
} // namespace tarnwick
