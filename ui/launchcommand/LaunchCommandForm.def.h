// The Launch Command dialog, one row per control (ControlTable.h), in the
// order of creation, which is the tab order. Included once per use, so
// without an include guard.
//
// clang-format off
//      kind      name        parent binding  place               the arguments after the place
CONTROL(TextView, memCommand, *this, Unbound, (8, 8, 584, 372))
CONTROL(Button,   btnCopy,    *this, Unbound, (436, 388, 75, 25), "Copy")
CONTROL(Button,   btnClose,   *this, Unbound, (517, 388, 75, 25), "Close")
// clang-format on

#undef CONTROL
