// The control identifiers of the DMFLAGS dialog, fixed so that a driver
// outside the program finds each control with GetDlgItem. CheckBoxN has the
// identifier FlagsId::CheckBox1 + N - 1.
#pragma once

namespace tarnwick {

struct FlagsId {
    enum : int {
        GroupBox1 = 100,
        CheckBox1 = 101, // .. CheckBox42 = 142
    };
};

} // namespace tarnwick
