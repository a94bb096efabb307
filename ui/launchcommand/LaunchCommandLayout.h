// The Launch Command dialog's table as data (TableLayout.h): its client area,
// as laid out before the person resizes it, 600 pixels wide and as tall as
// its rows and 7 pixels more.
#pragma once

#include "ControlTable.h"

namespace tarnwick {

// clang-format off
inline constexpr auto kLaunchCommandLayout = forms::LayOut(600, forms::RowsPlus{7}, std::array{
#define CONTROL TARNWICK_LAYOUT_ROW
#include "LaunchCommandForm.def.h"
});
// clang-format on

} // namespace tarnwick
