// A form's controls said once, as a table. The table is a file of rows that is
// included once for each thing made from it, with CONTROL (and DIALOG where it
// has such rows) defined for that use; the table undefines them. A row:
//   CONTROL(Kind, name, parent, binding, arguments...)
//     a control of class forms::Kind, member `name`, identifier Id::name,
//     made in parent (*this, or a group box of a row above) from the
//     arguments that Kind's constructor takes after the identifier;
//   DIALOG(Kind, name, owner, binding, arguments...)
//     a part without a window of its own, such as a file dialog, made from
//     its owner form and the arguments.
// binding is Unbound, or the value of the form's record that the row shows,
// in the words that the form's own binding gives meaning to (Binding.h). The
// rows' order is the order of creation, and so the tab order.
//
// A form expands its table into its identifiers (an enumerator per control,
// in a header of their own that includes nothing), its members
// (TARNWICK_FORM_MEMBER) and its constructor's initialisers (TARNWICK_*_MADE,
// each after a comma, with `Id` naming the form's identifiers).
#pragma once

#define TARNWICK_FORM_MEMBER(Kind, name, ...) ::tarnwick::forms::Kind name;
#define TARNWICK_CONTROL_MADE(Kind, name, parent, binding, ...)                                    \
    , name(parent, Id::name, __VA_ARGS__)
#define TARNWICK_DIALOG_MADE(Kind, name, owner, binding, ...) , name(owner, __VA_ARGS__)
