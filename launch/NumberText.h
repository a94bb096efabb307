// Numbers as the launch files write them.
#pragma once

#include <string>

namespace tarnwick {

// Plain decimal: no leading zeros, no plus sign.
std::string FormatInteger(long long value);

// The general format with at most 15 significant digits and "." as the
// decimal point whatever the regional settings: fixed-point for ordinary
// magnitudes, no trailing zeros or point ("0.5", "1", "25.6"); an exponent
// only for very large or very small values. The writer's fractions and the
// reader's check of a fraction's product both go through this one routine.
std::string FormatGeneral(long double value);

// numerator / denominator, computed in extended precision and formatted as above.
std::string FormatFraction(int numerator, int denominator);

} // namespace tarnwick
