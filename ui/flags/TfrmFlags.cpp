#include "TfrmFlags.h"

#include "Application.h"
#include "FlagsControlIds.h"

#include <algorithm>
#include <string_view>

namespace tarnwick {
namespace {

struct FlagBox {
    int number; // CheckBoxN
    std::string_view caption;
    int row;    // 1 to 21, from the top
    bool right; // the right-hand column
};

// The dialog's check boxes, said once: in tab order, numbered 1 to kFlagCount
// without a gap. The two columns of 21 rows do not run in tab order; "No
// Respawn" stands twice, as two separate flags.
constexpr std::array<FlagBox, TfrmFlags::kFlagCount> kFlagBoxes{{
    {1, "Falling Damage", 1, false},
    {2, "Old Falling Damage", 2, false},
    {4, "Double Ammo", 4, false},
    {5, "Infinite Ammo", 5, false},
    {3, "Drop Weapons", 3, false},
    {6, "Infinite Inventory", 6, false},
    {7, "No Monsters", 7, false},
    {8, "Monsters Respawn", 8, false},
    {9, "No Respawn", 9, false},
    {10, "Items Respawn", 10, false},
    {11, "Big Powerups Respawn", 11, false},
    {17, "Allow Armor", 21, false},
    {18, "Allow Health", 20, false},
    {19, "Allow Powerups", 19, false},
    {20, "Weapons Stay", 18, false},
    {21, "Allow BFG Aiming", 17, false},
    {22, "Barrels Respawn", 5, true},
    {23, "Allow Exit", 4, true},
    {24, "Force Respawn", 3, true},
    {25, "Same map", 2, true},
    {26, "Spawn Farthest", 1, true},
    {27, "No Team Switching", 10, true},
    {28, "Keep Frags Gained", 9, true},
    {29, "No Respawn", 8, true},
    {30, "Lose frag if fragged", 7, true},
    {31, "Respawn Protection", 6, true},
    {32, "Keep Armor", 15, true},
    {33, "Keep Weapons", 14, true},
    {34, "Keep Keys", 13, true},
    {35, "Lose Entire Inventory", 12, true},
    {36, "Spawn MP weapons in coop", 11, true},
    {38, "Spawn Where Died", 19, true},
    {39, "Lose Half Ammo", 18, true},
    {40, "Keep Ammo", 17, true},
    {41, "Keep Powerups", 16, true},
    {16, "Fast Monsters", 12, false},
    {15, "Degeneration", 13, false},
    {14, "Allow Jump", 14, false},
    {13, "Allow Freelook", 15, false},
    {12, "Allow FOV", 16, false},
    {37, "Fast Weapons", 20, true},
    {42, "Enable cheats on all skills", 21, true},
}};

// Each number once, so that CheckBox(N) finds its box: a row too few or a
// number taken twice fails the build.
constexpr bool NumberedWithoutGap() {
    bool taken[TfrmFlags::kFlagCount]{};
    for (const FlagBox& box : kFlagBoxes) {
        const auto index = std::size_t(box.number - 1);
        if (box.number < 1 || index >= std::size(taken) || taken[index]) return false;
        taken[index] = true;
    }
    return true;
}
static_assert(NumberedWithoutGap());

constexpr forms::Bounds PlaceOf(const FlagBox& box) {
    return {box.right ? 224 : 8, 20 + 16 * (box.row - 1), 177, 17};
}

// The group box fills the client area: as tall as its lowest row and 17
// pixels more.
constexpr forms::Bounds kGroupBox = [] {
    int lowest = 0;
    for (const FlagBox& box : kFlagBoxes)
        lowest = std::max(lowest, PlaceOf(box).top + PlaceOf(box).height);
    return forms::Bounds{0, 0, 429, lowest + 17};
}();

} // namespace

TfrmFlags::TfrmFlags(forms::Application& application, forms::Dpi dpi)
    : Form(application,
           {"Additional Flags", kGroupBox.width, kGroupBox.height, forms::FrameKind::Dialog}, dpi),
      GroupBox1(*this, FlagsId::GroupBox1, kGroupBox, "DMFLAGS") {
    for (const FlagBox& box : kFlagBoxes) {
        checkBoxes_.at(std::size_t(box.number - 1)) = std::make_unique<forms::CheckBox>(
            GroupBox1, FlagsId::CheckBox1 + box.number - 1, PlaceOf(box), box.caption);
    }
    onActivate = [this] { FormActivate(); };
}

void TfrmFlags::FormActivate() {
    App().Prompts().ShowMessage(Handle(), "Under Construction!", App().Title(), MB_OK);
}

} // namespace tarnwick
