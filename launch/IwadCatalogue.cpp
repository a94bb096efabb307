#include "IwadCatalogue.h"

#include <algorithm>

namespace tarnwick {

const IwadEntry* LookupIwadByTitle(std::string_view title) {
    for (const IwadEntry& entry : IwadCatalogue)
        if (entry.title == title) return &entry;
    return nullptr;
}

const IwadEntry* LookupIwadByFileName(std::string_view name) {
    // Only a to z: the scans must not depend on the code page's idea of case.
    const auto sameLetter = [](char c, char upper) {
        return (c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c) == upper;
    };
    for (const IwadEntry& entry : IwadCatalogue)
        if (std::equal(name.begin(), name.end(), entry.detectName.begin(), entry.detectName.end(),
                       sameLetter))
            return &entry;
    return nullptr;
}

} // namespace tarnwick
