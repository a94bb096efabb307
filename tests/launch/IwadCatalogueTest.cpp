#include "IwadCatalogue.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(IwadCatalogue, LooksUpTitlesExactly) {
    const IwadEntry* hexen = LookupIwadByTitle("Hexen: Beyound Heretic");
    ASSERT_NE(hexen, nullptr);
    EXPECT_EQ(hexen->launchFileName, "hexen.wad");
    ASSERT_NE(LookupIwadByTitle("DOOM 2: Hell on Earth"), nullptr);
    EXPECT_EQ(LookupIwadByTitle("DOOM 2: Hell on Earth")->launchFileName, "doom2.wad");

    EXPECT_EQ(LookupIwadByTitle("Hexen: Beyond Heretic"), nullptr);
    EXPECT_EQ(LookupIwadByTitle("hexen: beyound heretic"), nullptr);
    EXPECT_EQ(LookupIwadByTitle("DOOM 2: Hell on Earth "), nullptr);
    EXPECT_EQ(LookupIwadByTitle("Custom..."), nullptr);
    EXPECT_EQ(LookupIwadByTitle(""), nullptr);
}

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
