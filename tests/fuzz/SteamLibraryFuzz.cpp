// Feeds arbitrary bytes to the reader of Steam's list of library folders. It
// must never crash, hang or read out of bounds, and every path it gives is
// made of the input's bytes.
#include "SteamLibraryFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t total = 0;
    for (const std::string& path : tarnwick::SteamLibraryPaths(input))
        total += path.size();
    if (total > size) std::abort();
    return 0;
}
