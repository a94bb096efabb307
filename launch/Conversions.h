// Turning the texts read back from the launch files into numbers. Each
// conversion raises ConversionError with the text that failed.
#pragma once

#include <string_view>

namespace tarnwick {

// One character "0" to "9" as its value; any other character (of one or two
// bytes) fails.
int ParseDigit(std::string_view character);

// A 32-bit signed integer: leading blanks, an optional sign, then decimal
// digits, or hexadecimal digits after "$", "x" or "0x" (either letter case).
// Nothing may follow the digits, not even a blank.
int ParseInteger(std::string_view text);

// A decimal number times scale, as the integer it stands for. The number has
// "." as the decimal point; leading and trailing blanks, an optional sign and
// an exponent after "E" or "e" are allowed. The product is formatted exactly
// as the writer formats fractions and then read as an integer, so a product
// with a fraction left (0.1 * 256 gives "25.6") or too large for fixed-point
// text is rejected with that text.
int ParseScaledFraction(std::string_view text, int scale);

} // namespace tarnwick
