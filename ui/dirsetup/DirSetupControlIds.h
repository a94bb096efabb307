// The control identifiers of the WAD directory dialog, fixed so that a driver
// outside the program finds each control with GetDlgItem. OK and Cancel carry
// the identifiers that the dialog manager gives Enter and Escape.
#pragma once

namespace tarnwick {

struct DirSetupId {
    enum : int {
        btnOk = 1,     // IDOK
        btnCancel = 2, // IDCANCEL
        lblWADDIR = 100,
        leWADDIR,
        btnChWadDir,
    };
};

} // namespace tarnwick
