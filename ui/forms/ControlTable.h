// A form's controls said once, as a table. The table is a file of rows that is
// included once for each thing made from it, with CONTROL (and DIALOG where it
// has such rows) defined for that use; the table undefines them. A row:
//   CONTROL(Kind, name, parent, binding, (left, top, width, height), arguments...)
//     a control of class forms::Kind, member `name`, identifier Id::name,
//     made in parent (*this, or a group box of a row above) at its place, in
//     pixels at 96 dots per inch, and from the arguments that Kind's
//     constructor takes after the place. A group box's height may be
//     forms::RowsPlus{margin}: as tall as its rows (TableLayout.h);
//   DIALOG(Kind, name, owner, binding, arguments...)
//     a part without a window of its own, such as a file dialog, made from
//     its owner form and the arguments.
// binding is what the row shows of the form's record: Unbound,
// &Record::field or StartsAt(&Record::field) (Binding.h). The rows' order
// is the order of creation, and so the tab order.
//
// What a form makes of its table:
//   its identifiers, one enumerator per control from 100 in the table's
//     order, in a header of their own that includes nothing but the table,
//     so that drivers outside the program can take it alone. A row added in the
//     middle renumbers the rows after it: the identifiers are not fixed.
//     Whatever finds a control by its identifier (the end-to-end tests, the
//     benchmarks) is compiled with the program and uses the names
//     (MainId::cbSource), never the numbers;
//   its layout (TARNWICK_LAYOUT_ROW, the rows of forms::LayOut), for the
//     form, its tests and the benchmarks;
//   its members (TARNWICK_FORM_MEMBER, TARNWICK_DIALOG_MEMBER), in a class
//     that names its layout kLayout: a row whose parent is not a group box
//     of a row above it fails the build there, naming the row;
//   its constructor's initialisers (TARNWICK_CONTROL_MADE,
//     TARNWICK_DIALOG_MADE, each after a comma), with Id naming the form's
//     identifiers;
//   its bindings (TARNWICK_BINDING, with the form's class first), the
//     elements of a std::tuple that forms::ShowFields and ReadFields take.
#pragma once

#include "TableLayout.h"

#define TARNWICK_UNPARENTHESISED(...) __VA_ARGS__
#define TARNWICK_LAYOUT_ROW(Kind, name, parent, binding, place, ...)                               \
    ::tarnwick::forms::TableRow{#Kind, #name, #parent, #__VA_ARGS__,                               \
                                TARNWICK_UNPARENTHESISED place},

#define TARNWICK_FORM_MEMBER(Kind, name, parent, ...)                                              \
    static_assert(kLayout.ParentIsAbove(#name),                                                    \
                  "the row " #name " stands in " #parent                                           \
                  ", which is neither *this nor a group box of a row above it");                   \
    ::tarnwick::forms::Kind name;
#define TARNWICK_DIALOG_MEMBER(Kind, name, ...) ::tarnwick::forms::Kind name;

#define TARNWICK_CONTROL_MADE(Kind, name, parent, binding, place, ...)                             \
    , name(parent, Id::name, kLayout.PlaceOf(#name) __VA_OPT__(, ) __VA_ARGS__)
#define TARNWICK_DIALOG_MADE(Kind, name, owner, binding, ...) , name(owner, __VA_ARGS__)

#define TARNWICK_BINDING(Form, Kind, name, parent, binding, ...)                                   \
    ::tarnwick::forms::Binding{&Form::name, binding},
