// What the benchmarks share: wall-clock time, medians and the bare listing
// they compare with. Their scratch folders are the tests' (TempFolder).
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
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

// Lists every pattern with a bare FindFirstFileA/FindNextFileA loop, doing
// nothing with the names: the cost no scan can avoid. Returns the entries seen.
inline std::size_t CountMatches(const std::vector<std::string>& patterns) {
    std::size_t count = 0;
    for (const std::string& pattern : patterns) {
        WIN32_FIND_DATAA entry;
        const HANDLE find = FindFirstFileA(pattern.c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) continue;
        do {
            ++count;
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    return count;
}

} // namespace tarnwick::bench
