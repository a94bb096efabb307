#include "ShortenPath.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnwick::vesk {
namespace {

TEST(ShortenPath, KeepsTheFirstFolderAndTheLastFoldersThatFit) {
    EXPECT_EQ(ShortenPath(L"C:\\Games\\Doom", 50), L"C:\\Games\\Doom");

    const std::wstring registered =
        L"C:\\Program Files\\Source Ports\\Doom Engine\\WAD files\\Registered";
    ASSERT_EQ(registered.size(), 62u);
    EXPECT_EQ(ShortenPath(registered, 50), L"C:\\...\\Doom Engine\\WAD files\\Registered");

    const std::wstring network = L"\\\\fileserver\\share\\games\\doom\\wads\\megawads\\collections";
    ASSERT_EQ(network.size(), 55u);
    EXPECT_EQ(ShortenPath(network, 50), L"\\\\fileserver\\...\\doom\\wads\\megawads\\collections");

    // Even the last folder does not fit: cut, and "..." ends exactly 50.
    const std::wstring sixty(60, L'L');
    const std::wstring deep = L"C:\\a\\" + sixty;
    ASSERT_EQ(deep.size(), 65u);
    std::wstring shortened = ShortenPath(deep, 50);
    EXPECT_EQ(shortened, L"C:\\...\\" + std::wstring(40, L'L') + L"...");
    EXPECT_EQ(shortened.size(), 50u);

    // One separator only, after the drive: nothing to leave out, just cut.
    EXPECT_EQ(ShortenPath(L"C:\\" + sixty, 50), (L"C:\\" + sixty).substr(0, 50));

    // Exactly at the limit: unchanged.
    const std::wstring fifty = L"C:\\" + std::wstring(20, L'x') + L"\\" + std::wstring(26, L'y');
    ASSERT_EQ(fifty.size(), 50u);
    EXPECT_EQ(ShortenPath(fifty, 50), fifty);

    // No separator at all, or a limit below 6: the first characters.
    EXPECT_EQ(ShortenPath(sixty, 50), sixty.substr(0, 50));
    EXPECT_EQ(ShortenPath(L"C:\\a\\b\\c\\d", 5), L"C:\\a\\");
    EXPECT_EQ(ShortenPath(L"", 50), L"");

    // Characters, not bytes: 40 Japanese characters (80 bytes in code page
    // 932) fit in 50, and a 表 (95 5C) is no separator.
    const std::wstring japanese =
        L"C:\\ゲーム\\" + std::wstring(20, L'表') + L"\\" + std::wstring(14, L'構') + L"表";
    ASSERT_EQ(japanese.size(), 43u);
    EXPECT_EQ(ShortenPath(japanese, 50), japanese);
    EXPECT_EQ(ShortenPath(japanese + L"\\" + std::wstring(9, L'功'), 50),
              L"C:\\...\\" + std::wstring(14, L'構') + L"表\\" + std::wstring(9, L'功'));

    // A character outside the basic plane (𠮷, two units) that a cut would
    // halve is left out whole, in either kind of cut.
    std::wstring yoshi;
    for (int i = 0; i < 30; ++i)
        yoshi += L"\xD842\xDFB7";
    EXPECT_EQ(ShortenPath(L"C:\\" + yoshi, 50), L"C:\\" + yoshi.substr(0, 46));
    EXPECT_EQ(ShortenPath(L"C:\\a\\L" + yoshi, 50), L"C:\\...\\L" + yoshi.substr(0, 38) + L"...");
}

} // namespace
} // namespace tarnwick::vesk
