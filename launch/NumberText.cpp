#include "NumberText.h"

#include <cstdio>

namespace tarnwick {

std::string FormatInteger(long long value) { return std::to_string(value); }

std::string FormatGeneral(long double value) {
    // The C library formats in the "C" locale: the program never changes the
    // locale, so the decimal point is always ".".
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string FormatFraction(int numerator, int denominator) {
    return FormatGeneral(static_cast<long double>(numerator) /
                         static_cast<long double>(denominator));
}

} // namespace tarnwick
