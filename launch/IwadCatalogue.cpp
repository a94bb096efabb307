#include "IwadCatalogue.h"

namespace tarnwick {

const IwadEntry* LookupIwadByTitle(std::string_view title) {
    for (const IwadEntry& entry : IwadCatalogue)
        if (entry.title == title) return &entry;
    return nullptr;
}

} // namespace tarnwick
