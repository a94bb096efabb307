#include "ShortenPath.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnwick::vesk {
namespace {

TEST(ShortenPath, KeepsTheFirstFolderAndTheLastFoldersThatFit) {
    EXPECT_EQ(ShortenPath("C:\\Games\\Doom", 50), "C:\\Games\\Doom");

    const std::string registered =
        "C:\\Program Files\\Source Ports\\Doom Engine\\WAD files\\Registered";
    ASSERT_EQ(registered.size(), 62u);
    EXPECT_EQ(ShortenPath(registered, 50), "C:\\...\\Doom Engine\\WAD files\\Registered");

    const std::string network = "\\\\fileserver\\share\\games\\doom\\wads\\megawads\\collections";
    ASSERT_EQ(network.size(), 55u);
    EXPECT_EQ(ShortenPath(network, 50), "\\\\fileserver\\...\\doom\\wads\\megawads\\collections");

    // Even the last folder does not fit: cut, and "..." ends exactly 50.
    const std::string sixty(60, 'L');
    const std::string deep = "C:\\a\\" + sixty;
    ASSERT_EQ(deep.size(), 65u);
    std::string shortened = ShortenPath(deep, 50);
    EXPECT_EQ(shortened, "C:\\...\\" + std::string(40, 'L') + "...");
    EXPECT_EQ(shortened.size(), 50u);

    // One separator only, after the drive: nothing to leave out, just cut.
    EXPECT_EQ(ShortenPath("C:\\" + sixty, 50), ("C:\\" + sixty).substr(0, 50));

    // Exactly at the limit: unchanged.
    const std::string fifty = "C:\\" + std::string(20, 'x') + "\\" + std::string(26, 'y');
    ASSERT_EQ(fifty.size(), 50u);
    EXPECT_EQ(ShortenPath(fifty, 50), fifty);

    // No separator at all, or a limit below 6: the first characters.
    EXPECT_EQ(ShortenPath(sixty, 50), sixty.substr(0, 50));
    EXPECT_EQ(ShortenPath("C:\\a\\b\\c\\d", 5), "C:\\a\\");
    EXPECT_EQ(ShortenPath("", 50), "");
}

} // namespace
} // namespace tarnwick::vesk
