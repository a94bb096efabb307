// The control identifiers of the WAD directory dialog, fixed so that a test
// driver outside the program can find each control.
#pragma once

namespace tarnwick::dirsetup {

enum DirSetupControl : int {
    btnOkId = 1,     // IDOK
    btnCancelId = 2, // IDCANCEL
    lblWADDIRId = 100,
    leWADDIRId = 101,
    btnChWadDirId = 102,
};

} // namespace tarnwick::dirsetup
