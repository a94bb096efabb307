// The main window's table as data (TableLayout.h): its client area 723 pixels
// wide and as tall as its group boxes and 5 pixels more. For the window, its
// layout test and the benchmark's bare window.
#pragma once

#include "ControlTable.h"

namespace tarnwick {

// clang-format off
inline constexpr auto kMainLayout = forms::LayOut(723, forms::RowsPlus{5}, std::array{
#define CONTROL TARNWICK_LAYOUT_ROW
#define DIALOG(...)
#include "MainForm.def.h"
});
// clang-format on
static_assert(!kMainLayout.GroupBoxesOverlap(),
              "a group box grew into another: move the ones below it down");

} // namespace tarnwick
