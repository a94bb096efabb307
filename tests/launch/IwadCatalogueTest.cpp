#include "IwadCatalogue.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(IwadCatalogue, NamesAgreeWithEachOther) {
    for (const IwadEntry& entry : IwadCatalogue) {
        ASSERT_EQ(entry.detectName.size(), entry.launchFileName.size());
        for (std::size_t i = 0; i < entry.detectName.size(); ++i) {
            char lower = entry.detectName[i];
            if (lower >= 'A' && lower <= 'Z') lower = static_cast<char>(lower - 'A' + 'a');
            EXPECT_EQ(lower, entry.launchFileName[i]) << entry.title;
        }
    }
}

} // namespace
} // namespace tarnwick
