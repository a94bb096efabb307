// The control identifiers of the main window, by which a driver outside the
// program finds each control with GetDlgItem: one per control of the window's
// table, from 100 in the table's order (ControlTable.h says why they are not
// fixed), clear of the identifiers that the dialog manager sends for Enter and
// Escape (IDOK, IDCANCEL).
#pragma once

namespace tarnwick {

struct MainId {
    enum : int {
        kBeforeFirst = 99,
#define CONTROL(Kind, name, ...) name,
#define DIALOG(...)
#include "MainForm.def.h"
    };
};

} // namespace tarnwick
