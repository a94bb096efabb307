// How the controls of a form's table (ControlTable.h) show the values of a
// record and read them back. A row's binding is one of:
//   Unbound        the control shows no value of the record;
//   &Record::field the control shows the field and is read back into it;
//   StartsAt(&Record::field)
//                  a file dialog starts at the field's value, which another
//                  control holds and is read back from.
// The form makes its rows into a tuple of Bindings, each control's member
// with its binding (TARNWICK_BINDING); ShowFields and ReadFields walk it.
// ShowValue and ReadValue say what value each kind of control holds.
#pragma once

#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "FileDialog.h"
#include "ListBox.h"
#include "ScrollBar.h"
#include "SpinEdit.h"

#include <string>
#include <tuple>
#include <vector>

namespace tarnwick::forms {

struct UnboundRow {};
inline constexpr UnboundRow Unbound;

template <class Record, class T> struct StartsAt { T Record::*field; };
template <class Record, class T> StartsAt(T Record::*) -> StartsAt<Record, T>;

inline void ShowValue(CheckBox& box, bool checked) { box.SetChecked(checked); }
inline void ReadValue(const CheckBox& box, bool& checked) { checked = box.Checked(); }

inline void ShowValue(Edit& field, const std::string& text) { field.SetText(text); }
inline void ReadValue(const Edit& field, std::string& text) { text = field.Text(); }

// A drop-down list by the index of its entry, -1 for none...
inline void ShowValue(ComboBox& list, int index) { list.SetSelectedIndex(index); }
inline void ReadValue(const ComboBox& list, int& index) { index = list.SelectedIndex(); }

// ... or by the entry's text, byte for byte: a text that no entry has
// selects none, and none reads as the empty text.
inline void ShowValue(ComboBox& list, const std::string& text) {
    int found = -1;
    for (int i = 0, n = list.Count(); i < n && found < 0; ++i)
        if (list.Item(i) == text) found = i;
    list.SetSelectedIndex(found);
}
inline void ReadValue(const ComboBox& list, std::string& text) {
    const int selected = list.SelectedIndex();
    text = selected >= 0 ? list.Item(selected) : std::string();
}

inline void ShowValue(ScrollBar& bar, int position) { bar.SetPosition(position); }
inline void ReadValue(const ScrollBar& bar, int& position) { position = bar.Position(); }

inline void ShowValue(SpinEdit& field, int value) { field.SetValue(value); }
inline void ReadValue(const SpinEdit& field, int& value) { value = field.Value(); }

inline void ShowValue(ListBox& list, const std::vector<std::string>& items) {
    list.SetItems(items);
}
inline void ReadValue(const ListBox& list, std::vector<std::string>& items) {
    items = list.Items();
}

inline void ShowValue(FileDialog& dialog, const std::string& file) { dialog.SetFileName(file); }
inline void ReadValue(const FileDialog& dialog, std::string& file) { file = dialog.FileName(); }

template <class Part, class Record> void ShowField(Part&, const Record&, UnboundRow) {}
template <class Part, class Record> void ReadField(const Part&, Record&, UnboundRow) {}

template <class Part, class Record, class T>
void ShowField(Part& part, const Record& record, T Record::*field) {
    ShowValue(part, record.*field);
}
template <class Part, class Record, class T>
void ReadField(const Part& part, Record& record, T Record::*field) {
    ReadValue(part, record.*field);
}

template <class Part, class Record, class T>
void ShowField(Part& part, const Record& record, StartsAt<Record, T> start) {
    ShowValue(part, record.*start.field);
}
template <class Part, class Record, class T>
void ReadField(const Part&, Record&, StartsAt<Record, T>) {}

// A row of a form's table: its control, as a member of the form, and what
// the control shows.
template <class Form, class Part, class Bound> struct Binding {
    Part Form::*part;
    Bound bound;
};
template <class Form, class Part, class Bound>
Binding(Part Form::*, Bound) -> Binding<Form, Part, Bound>;

template <class Form, class Record, class... Rows>
void ShowFields(Form& form, const Record& record, const std::tuple<Rows...>& rows) {
    std::apply([&](const Rows&... row) { (ShowField(form.*row.part, record, row.bound), ...); },
               rows);
}
template <class Form, class Record, class... Rows>
void ReadFields(const Form& form, Record& record, const std::tuple<Rows...>& rows) {
    std::apply([&](const Rows&... row) { (ReadField(form.*row.part, record, row.bound), ...); },
               rows);
}

} // namespace tarnwick::forms
