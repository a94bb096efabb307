// The WAD directory dialog, one row per control (ControlTable.h), in the
// order of creation, which is the tab order. Included once per use, so
// without an include guard.
//
// clang-format off
//      kind         name         parent binding  place              the arguments after the place
// The label stands above its field, 3 pixels apart.
CONTROL(Label,       lblWADDIR,   *this, Unbound, (8, 8, 321, 13),   "WADs Directory:")
CONTROL(ComboBox,    leWADDIR,    *this, Unbound, (8, 24, 321, 21),  forms::ComboKind::Editable, kFolderItemHeight, {}, forms::Sorting::None, forms::WideItems::ShowTheirEnd)
CONTROL(Button,      btnChWadDir, *this, Unbound, (336, 24, 75, 25), "Change...")
CONTROL(GlyphButton, btnOk,       *this, Unbound, (224, 64, 91, 33), "OK", forms::kOkGlyph)
CONTROL(GlyphButton, btnCancel,   *this, Unbound, (324, 64, 91, 33), "Cancel", forms::kCancelGlyph)
// clang-format on

#undef CONTROL
