// The control identifiers of the WAD directory dialog, fixed so that a driver
// outside the program finds each control with GetDlgItem: one per control of
// the dialog's table, from 100 in the table's order. Enter and Escape reach
// OK and Cancel as the form's default and cancel buttons.
#pragma once

namespace tarnwick {

struct DirSetupId {
    enum : int {
        kBeforeFirst = 99,
#define CONTROL(Kind, name, ...) name,
#include "DirSetupForm.def.h"
    };
};

} // namespace tarnwick
