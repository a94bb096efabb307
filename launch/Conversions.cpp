#include "Conversions.h"

#include "LaunchErrors.h"
#include "NumberText.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace tarnwick {

namespace {

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
    if (IsDecimalDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDecimalDigit(text[pos]))
        ++pos;
    return pos;
}

long double ParseDecimal(std::string_view text) {
    // The syntax is checked here; the C library only computes the value of
    // text already known to be plain decimal (it would also take "inf", "nan"
    // and hexadecimal, which the launch files never hold).
    std::size_t first = 0;
    while (first < text.size() && text[first] == ' ')
        ++first;
    std::size_t end = text.size();
    while (end > first && text[end - 1] == ' ')
        --end;
    const std::string_view number = text.substr(first, end - first);

    std::size_t pos = 0;
    if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) ++pos;
    const std::size_t integerEnd = SkipDigits(number, pos);
    std::size_t mantissaDigits = integerEnd - pos;
    pos = integerEnd;
    if (pos < number.size() && number[pos] == '.') {
        const std::size_t fractionEnd = SkipDigits(number, pos + 1);
        mantissaDigits += fractionEnd - (pos + 1);
        pos = fractionEnd;
    }
    if (mantissaDigits == 0) throw InvalidFloat(std::string(text));
    if (pos < number.size() && (number[pos] == 'e' || number[pos] == 'E')) {
        ++pos;
        if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) ++pos;
        const std::size_t exponentEnd = SkipDigits(number, pos);
        if (exponentEnd == pos) throw InvalidFloat(std::string(text));
        pos = exponentEnd;
    }
    if (pos != number.size()) throw InvalidFloat(std::string(text));

    const std::string checked(number);
    const long double value = std::strtold(checked.c_str(), nullptr);
    if (!std::isfinite(value)) throw InvalidFloat(std::string(text));
    return value;
}

} // namespace

int ParseDigit(std::string_view character) {
    if (character.size() != 1 || !IsDecimalDigit(character[0]))
        throw InvalidInteger(std::string(character));
    return character[0] - '0';
}

int ParseInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
        base = 16;
        pos += 1;
    } else if (pos + 1 < text.size() && text[pos] == '0' &&
               (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }
    if (pos == text.size()) throw InvalidInteger(std::string(text));

    // The magnitude may reach 2^31 for the smallest negative value; anything
    // larger is rejected as soon as it is seen, so no digit count overflows.
    const long long limit = negative ? 2147483648LL : 2147483647LL;
    long long magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = base == 16 ? HexDigitValue(text[pos])
                                     : (IsDecimalDigit(text[pos]) ? text[pos] - '0' : -1);
        if (digit < 0) throw InvalidInteger(std::string(text));
        magnitude = magnitude * base + digit;
        if (magnitude > limit) throw InvalidInteger(std::string(text));
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int ParseScaledFraction(std::string_view text, int scale) {
    const long double product = ParseDecimal(text) * static_cast<long double>(scale);
    return ParseInteger(FormatGeneral(product));
}

} // namespace tarnwick
