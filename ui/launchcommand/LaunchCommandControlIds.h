// The control identifiers of the Launch Command dialog, fixed so that a driver
// outside the program finds each control with GetDlgItem. Close carries the
// identifier that the dialog manager gives Escape.
#pragma once

namespace tarnwick {

struct LaunchCommandId {
    enum : int {
        btnClose = 2, // IDCANCEL
        memCommand = 100,
        btnCopy,
    };
};

} // namespace tarnwick
