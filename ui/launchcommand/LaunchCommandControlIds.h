// The control identifiers of the Launch Command dialog, by which a driver
// outside the program finds each control with GetDlgItem: one per control of
// the dialog's table, from 100 in the table's order (ControlTable.h says why
// they are not fixed), but for Close, which is 2.
#pragma once

namespace tarnwick {

struct LaunchCommandRowId {
    enum : int {
        kBeforeFirst = 99,
#define CONTROL(Kind, name, ...) name,
#include "LaunchCommandForm.def.h"
    };
};

// Close carries the identifier that the dialog manager gives Escape, where
// tools and screen readers look for it.
struct LaunchCommandId : LaunchCommandRowId {
    static constexpr int btnClose = 2; // IDCANCEL
};

} // namespace tarnwick
