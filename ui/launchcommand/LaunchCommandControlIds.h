// The control identifiers of the Launch Command dialog, fixed so that a driver
// outside the program finds each control with GetDlgItem: one per control of
// the dialog's table, from 100 in the table's order. Escape reaches Close as
// the form's cancel button.
#pragma once

namespace tarnwick {

struct LaunchCommandId {
    enum : int {
        kBeforeFirst = 99,
#define CONTROL(Kind, name, ...) name,
#include "LaunchCommandForm.def.h"
    };
};

} // namespace tarnwick
