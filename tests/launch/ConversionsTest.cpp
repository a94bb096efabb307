#include "Conversions.h"
#include "LaunchErrors.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnwick {
namespace {

// The message the error box would show for the text, or "" when it converts.
template <typename Conversion> std::string FailureOf(Conversion convert) {
    try {
        convert();
    } catch (const ConversionError& error) {
        return error.what();
    }
    return "";
}

std::string Message(const char* text, const char* kind) {
    std::string message(1, '\'');
    message.append(text).append("' is not a valid ").append(kind).append(" value");
    return message;
}

TEST(Conversions, DigitIsTheCharacterZeroToNine) {
    EXPECT_EQ(ParseDigit("0"), 0);
    EXPECT_EQ(ParseDigit("7"), 7);
    EXPECT_EQ(ParseDigit("9"), 9);
    EXPECT_EQ(FailureOf([] { ParseDigit(" "); }), "' ' is not a valid integer value");
    EXPECT_EQ(FailureOf([] { ParseDigit("a"); }), "'a' is not a valid integer value");
    // A double-byte character is named whole, not by its second byte ("\").
    EXPECT_EQ(FailureOf([] { ParseDigit("\x95\x5C"); }), "'\x95\x5C' is not a valid integer value");
}

TEST(Conversions, IntegerDecimalWithSignAndLeadingBlanks) {
    EXPECT_EQ(ParseInteger("0"), 0);
    EXPECT_EQ(ParseInteger("-1"), -1);
    EXPECT_EQ(ParseInteger("+8"), 8);
    EXPECT_EQ(ParseInteger("   42"), 42);
    EXPECT_EQ(ParseInteger("007"), 7);
    EXPECT_EQ(ParseInteger("-0"), 0);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
}

TEST(Conversions, IntegerHexadecimalAfterDollarOrX) {
    EXPECT_EQ(ParseInteger("$1F"), 31);
    EXPECT_EQ(ParseInteger("$ff"), 255);
    EXPECT_EQ(ParseInteger("x10"), 16);
    EXPECT_EQ(ParseInteger("X10"), 16);
    EXPECT_EQ(ParseInteger("0x7fffffff"), 2147483647);
    EXPECT_EQ(ParseInteger("0XaB"), 171);
    EXPECT_EQ(ParseInteger("-$10"), -16);
    EXPECT_EQ(ParseInteger(" -0x80000000"), -2147483647 - 1);
}

TEST(Conversions, IntegerRejectsEverythingElse) {
    for (const char* text :
         {"",      " ",    "-",   "+",          "$",           "0x",        "x",
          "1 ",    " 1 ",  "- 1", "1.0",        "25.6",        "1e3",       "12a",
          "$G",    "0x1g", "++1", "2147483648", "-2147483649", "$80000000", "99999999999999999999",
          "1e+15", "\t1",  "0x-1"}) {
        EXPECT_EQ(FailureOf([&] { ParseInteger(text); }), Message(text, "integer")) << text;
    }
}

TEST(Conversions, ScaledFractionReadsDecimalsWithBlanksSignAndExponent) {
    EXPECT_EQ(ParseScaledFraction("  0.5  ", 100), 50);
    EXPECT_EQ(ParseScaledFraction("-2", 100), -200);
    EXPECT_EQ(ParseScaledFraction("+.25", 100), 25);
    EXPECT_EQ(ParseScaledFraction("3.", 100), 300);
    EXPECT_EQ(ParseScaledFraction("5E-1", 100), 50);
    EXPECT_EQ(ParseScaledFraction("1e+2", 100), 10000);
    for (const char* text : {"", " ", ".", "-", "e1", "1e", "1e+", "0,5", "1.2.3", "inf", "nan",
                             "0x10", "1 2", "1e99999", "0.5x"}) {
        EXPECT_EQ(FailureOf([&] { ParseScaledFraction(text, 100); }),
                  Message(text, "floating point"))
            << text;
    }
}

// The texts themselves are the writer's test; here every one of them is read.
TEST(Conversions, ScaledFractionGivesBackWhatTheWriterWrote) {
    for (int value = 0; value <= 256; ++value)
        EXPECT_EQ(ParseScaledFraction(FormatFraction(value, 256), 256), value) << value;
    for (int value = 0; value <= 100; ++value)
        EXPECT_EQ(ParseScaledFraction(FormatFraction(value, 100), 100), value) << value;
}

TEST(Conversions, ScaledFractionRejectsProductsThatAreNotWhole) {
    EXPECT_EQ(FailureOf([] { ParseScaledFraction("0.1", 256); }),
              "'25.6' is not a valid integer value");
    EXPECT_EQ(FailureOf([] { ParseScaledFraction("1e13", 256); }),
              "'2.56e+15' is not a valid integer value");
}

} // namespace
} // namespace tarnwick
