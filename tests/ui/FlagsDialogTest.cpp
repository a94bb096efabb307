#include "Application.h"
#include "FlagsControlIds.h"
#include "LayoutProbe.h"
#include "ScriptedDialogs.h"
#include "ScriptedPrompts.h"
#include "TfrmFlags.h"
#include "TfrmMain.h"
#include "Win32Platform.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnwick {
namespace {

using forms::Dpi;

struct Flag {
    int number; // CheckBoxN
    const char* caption;
    int left, top;
    int tab;
};

// Transcribed row by row: left column, then right column.
const std::vector<Flag> kFlags{
    {1, "Falling Damage", 8, 20, 0},
    {26, "Spawn Farthest", 224, 20, 20},
    {2, "Old Falling Damage", 8, 36, 1},
    {25, "Same map", 224, 36, 19},
    {3, "Drop Weapons", 8, 52, 4},
    {24, "Force Respawn", 224, 52, 18},
    {4, "Double Ammo", 8, 68, 2},
    {23, "Allow Exit", 224, 68, 17},
    {5, "Infinite Ammo", 8, 84, 3},
    {22, "Barrels Respawn", 224, 84, 16},
    {6, "Infinite Inventory", 8, 100, 5},
    {31, "Respawn Protection", 224, 100, 25},
    {7, "No Monsters", 8, 116, 6},
    {30, "Lose frag if fragged", 224, 116, 24},
    {8, "Monsters Respawn", 8, 132, 7},
    {29, "No Respawn", 224, 132, 23},
    {9, "No Respawn", 8, 148, 8},
    {28, "Keep Frags Gained", 224, 148, 22},
    {10, "Items Respawn", 8, 164, 9},
    {27, "No Team Switching", 224, 164, 21},
    {11, "Big Powerups Respawn", 8, 180, 10},
    {36, "Spawn MP weapons in coop", 224, 180, 30},
    {16, "Fast Monsters", 8, 196, 35},
    {35, "Lose Entire Inventory", 224, 196, 29},
    {15, "Degeneration", 8, 212, 36},
    {34, "Keep Keys", 224, 212, 28},
    {14, "Allow Jump", 8, 228, 37},
    {33, "Keep Weapons", 224, 228, 27},
    {13, "Allow Freelook", 8, 244, 38},
    {32, "Keep Armor", 224, 244, 26},
    {12, "Allow FOV", 8, 260, 39},
    {41, "Keep Powerups", 224, 260, 34},
    {21, "Allow BFG Aiming", 8, 276, 15},
    {40, "Keep Ammo", 224, 276, 33},
    {20, "Weapons Stay", 8, 292, 14},
    {39, "Lose Half Ammo", 224, 292, 32},
    {19, "Allow Powerups", 8, 308, 13},
    {38, "Spawn Where Died", 224, 308, 31},
    {18, "Allow Health", 8, 324, 12},
    {37, "Fast Weapons", 224, 324, 40},
    {17, "Allow Armor", 8, 340, 11},
    {42, "Enable cheats on all skills", 224, 340, 41},
};

struct FlagsDialogTest : ::testing::Test {
    FlagsDialogTest() {
        auto script = std::make_unique<forms::ScriptedPrompts>();
        prompts = script.get();
        app.SetPrompts(std::move(script));
    }

    forms::Application app{"Tarnwick"};
    forms::ScriptedPrompts* prompts = nullptr;
};

void ExpectDesignedLayout(const TfrmFlags& dialog, const Dpi& dpi) {
    HWND form = dialog.Handle();
    RECT client{};
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, dpi.Scale(429));
    EXPECT_EQ(client.bottom, dpi.Scale(374));
    EXPECT_EQ(forms::TextOf(form), "Additional Flags");
    EXPECT_TRUE(forms::HasStyle(form, WS_SYSMENU | WS_CAPTION));
    EXPECT_FALSE(forms::HasStyle(form, WS_MINIMIZEBOX));
    EXPECT_FALSE(forms::HasStyle(form, WS_MAXIMIZEBOX));
    EXPECT_FALSE(forms::HasStyle(form, WS_THICKFRAME));

    HWND group = GetDlgItem(form, FlagsId::GroupBox1);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(forms::TextOf(group), "DMFLAGS");
    EXPECT_EQ(forms::Describe(forms::PlaceOf(group)),
              forms::Describe(forms::Scaled(dpi, 0, 0, 0, 0, 429, 374)));

    std::vector<int> expectedTabOrder(kFlags.size());
    for (const Flag& flag : kFlags) {
        SCOPED_TRACE(flag.caption);
        HWND box = GetDlgItem(form, FlagsId::CheckBox1 + flag.number - 1);
        ASSERT_NE(box, nullptr);
        EXPECT_STRCASEEQ(forms::ClassOf(box).c_str(), "Button");
        EXPECT_EQ(GetWindowLongA(box, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
        EXPECT_EQ(forms::TextOf(box), flag.caption);
        EXPECT_EQ(forms::Describe(forms::PlaceOf(box)),
                  forms::Describe(forms::Scaled(dpi, 0, 0, flag.left, flag.top, 177, 17)));
        EXPECT_TRUE(forms::HasStyle(box, WS_TABSTOP | WS_VISIBLE));
        EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        expectedTabOrder.at(std::size_t(flag.tab)) = GetDlgCtrlID(box);
    }
    const std::vector<int> tabOrder = forms::TabOrderOf(form);
    EXPECT_EQ(tabOrder, expectedTabOrder);
}

TEST_F(FlagsDialogTest, HasTheDesignedLayoutAt96AndAt120Dpi) {
    {
        TfrmFlags frmFlags(app, Dpi(96));
        ExpectDesignedLayout(frmFlags, Dpi(96));
    }
    {
        TfrmFlags frmFlags(app, Dpi(120));
        ExpectDesignedLayout(frmFlags, Dpi(120));
    }
}

TEST_F(FlagsDialogTest, SaysUnderConstructionOncePerOpeningAndKeepsItsTicks) {
    Win32Platform platform;
    LaunchFolders folders;
    testing::ScriptedDialogs dialogs;
    TfrmMain frmMain(app, platform, folders, dialogs, Dpi(96));
    TfrmFlags frmFlags(app, Dpi(96));
    dialogs.onFlags = [&] { frmFlags.ShowModal(); };
    const LaunchSettings before = frmMain.Settings();

    // First opening: tick "Falling Damage" and one "No Respawn" while it is up.
    prompts->whileMessageShown = [&] {
        PostMessageA(frmFlags.CheckBox(1).Handle(), BM_CLICK, 0, 0);
        PostMessageA(frmFlags.CheckBox(9).Handle(), BM_CLICK, 0, 0);
        PostMessageA(frmFlags.Handle(), WM_CLOSE, 0, 0);
    };
    frmMain.btnEDMF.Click();
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].text, "Under Construction!");
    EXPECT_EQ(prompts->messages[0].caption, "Tarnwick");
    EXPECT_EQ(prompts->messages[0].style, UINT(MB_OK));
    EXPECT_EQ(prompts->messages[0].owner, frmFlags.Handle());
    EXPECT_FALSE(frmFlags.Visible());
    EXPECT_TRUE(frmFlags.CheckBox(1).Checked());
    EXPECT_TRUE(frmFlags.CheckBox(9).Checked());
    EXPECT_FALSE(frmFlags.CheckBox(29).Checked()); // the other "No Respawn"
    EXPECT_EQ(frmMain.Settings(), before);

    // The second opening says it again, once, and shows the same ticks.
    prompts->whileMessageShown = [&] { PostMessageA(frmFlags.Handle(), WM_CLOSE, 0, 0); };
    frmMain.btnEDMF.Click();
    EXPECT_EQ(prompts->messages.size(), 2u);
    EXPECT_TRUE(frmFlags.CheckBox(1).Checked());
    EXPECT_EQ(frmMain.Settings(), before);

    // Escape and Enter do not close it: it has no cancel or default button.
    prompts->whileMessageShown = nullptr;
    frmFlags.Show();
    app.ProcessMessages();
    EXPECT_EQ(prompts->messages.size(), 3u);
    frmFlags.CheckBox(2).Focus();
    PostMessageA(frmFlags.CheckBox(2).Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(frmFlags.CheckBox(2).Handle(), WM_KEYDOWN, VK_RETURN, 0);
    app.ProcessMessages();
    EXPECT_TRUE(frmFlags.Visible());
    EXPECT_FALSE(frmFlags.CheckBox(2).Checked());
    frmFlags.Close();
    EXPECT_FALSE(frmFlags.Visible());
    EXPECT_FALSE(app.Terminated());
}

} // namespace
} // namespace tarnwick
