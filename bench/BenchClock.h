// Wall-clock time and medians for the benchmarks.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace tarnwick::bench {

// Seconds since an arbitrary start, from the performance counter.
inline double Now() {
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace tarnwick::bench
