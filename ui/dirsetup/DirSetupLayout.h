// The WAD directory dialog's table as data (TableLayout.h): its client area
// 426 pixels wide and as tall as its rows and 12 pixels more.
#pragma once

#include "ControlTable.h"

namespace tarnwick {

// clang-format off
inline constexpr auto kDirSetupLayout = forms::LayOut(426, forms::RowsPlus{12}, std::array{
#define CONTROL TARNWICK_LAYOUT_ROW
#include "DirSetupForm.def.h"
});
// clang-format on

} // namespace tarnwick
