#include "NewFolderButtonLayout.h"
#include "NewFolderPath.h"

#include <gtest/gtest.h>

namespace tarnwick::vesk {
namespace {

TEST(NewFolderButtonLayout, PlaceAndWidthFollowThePixelsPerInch) {
    EXPECT_EQ(NewFolderButtonPlace(96, 300, 19), (ButtonPlace{12, 264, 75, 23}));
    EXPECT_EQ(NewFolderButtonPlace(72, 300, 19), (ButtonPlace{12, 264, 75, 23}));
    EXPECT_EQ(NewFolderButtonPlace(120, 300, 19), (ButtonPlace{15, 255, 93, 28}));
    EXPECT_EQ(NewFolderButtonPlace(144, 300, 19), (ButtonPlace{17, 244, 112, 35}));
    EXPECT_EQ(NewFolderButtonPlace(192, 300, 19), (ButtonPlace{20, 234, 150, 41}));
    // Any other resolution scales from 96 and sits above the caption bar's height.
    EXPECT_EQ(NewFolderButtonPlace(100, 300, 20), (ButtonPlace{12, 263, 78, 23}));
    EXPECT_EQ(NewFolderButtonPlace(168, 400, 30), (ButtonPlace{21, 353, 131, 40}));

    EXPECT_EQ(NewFolderButtonWidth(96, 50), 75);
    EXPECT_EQ(NewFolderButtonWidth(96, 63), 75);
    EXPECT_EQ(NewFolderButtonWidth(96, 64), 76);
    EXPECT_EQ(NewFolderButtonWidth(72, 20), 75);
    EXPECT_EQ(NewFolderButtonWidth(120, 50), 93);
    EXPECT_EQ(NewFolderButtonWidth(120, 100), 112);
}

TEST(NewFolderPath, JoinsTheAnswerToTheSelection) {
    EXPECT_EQ(JoinNewFolderPath(L"D:\\WADs", L"\\Maps"), L"D:\\WADs\\Maps");
    EXPECT_EQ(JoinNewFolderPath(L"D:\\", L"Maps"), L"D:\\Maps");
    EXPECT_EQ(JoinNewFolderPath(L"D:\\WADs", L"Maps"), L"D:\\WADs\\Maps");
    EXPECT_EQ(JoinNewFolderPath(L"D:\\", L"\\Maps"), L"D:\\\\Maps");
    EXPECT_EQ(JoinNewFolderPath(L"D:\\WADs", L"a\\b"), L"D:\\WADs\\a\\b");
    // 表 and 功 end in the byte 5C in code pages 932 and 950: still letters.
    EXPECT_EQ(JoinNewFolderPath(L"C:\\ゲーム\\表", L"新規"), L"C:\\ゲーム\\表\\新規");
    EXPECT_EQ(JoinNewFolderPath(L"C:\\遊戲\\功", L"功"), L"C:\\遊戲\\功\\功");

    EXPECT_EQ(ParentFolderOf(L"D:\\WADs\\a\\b"), L"D:\\WADs\\a");
    EXPECT_EQ(ParentFolderOf(L"D:\\WADs\\"), L"D:");
    EXPECT_EQ(ParentFolderOf(L"D:"), L"");
    EXPECT_EQ(ParentFolderOf(L"C:\\ゲーム\\図表"), L"C:\\ゲーム");
    EXPECT_EQ(WithoutTrailingSeparators(L"C:\\ゲーム\\表\\/"), L"C:\\ゲーム\\表");
}

} // namespace
} // namespace tarnwick::vesk
