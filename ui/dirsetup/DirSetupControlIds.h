// The control identifiers of the WAD directory dialog, by which a driver
// outside the program finds each control with GetDlgItem: one per control of
// the dialog's table, from 100 in the table's order (ControlTable.h says why
// they are not fixed), but for OK and Cancel, which are 1 and 2.
#pragma once

namespace tarnwick {

struct DirSetupRowId {
    enum : int {
        kBeforeFirst = 99,
#define CONTROL(Kind, name, ...) name,
#include "DirSetupForm.def.h"
    };
};

// OK and Cancel carry the identifiers that the dialog manager gives Enter and
// Escape, where tools and screen readers look for them.
struct DirSetupId : DirSetupRowId {
    static constexpr int btnOk = 1;     // IDOK
    static constexpr int btnCancel = 2; // IDCANCEL
};

} // namespace tarnwick
