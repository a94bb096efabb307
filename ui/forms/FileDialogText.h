// The texts the common file dialogs take and give, as strings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::forms {

// "Text files|*.txt|All|*.*" as the dialog wants it: the pairs separated by
// NUL characters and the whole ended by two.
std::wstring DialogFilter(std::wstring_view filter);

// The names a dialog returned in its buffer, as full paths in the dialog's
// order. The dialog writes one full path ended by a NUL over whatever an
// earlier, longer name left in the buffer; only a multiple-choice dialog with
// several files chosen writes the folder and then the bare names, each ended
// by a NUL and the list by a second one, and then fileOffset (the dialog's
// nFileOffset) points behind the folder's NUL.
std::vector<std::wstring> ChosenFiles(std::wstring_view buffer, std::size_t fileOffset,
                                      bool multiSelect);

} // namespace tarnwick::forms
