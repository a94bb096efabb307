// The texts the common file dialogs take and give, as strings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::forms {

// "Text files|*.txt|All|*.*" as the dialog wants it: the pairs separated by
// NUL characters and the whole ended by two.
std::string DialogFilter(std::string_view filter);

// The names a dialog returned in its buffer: one full path, or with several
// files chosen, the folder and then the bare names, each ended by a NUL and
// the list by a second one. Returns full paths in the dialog's order.
std::vector<std::string> ChosenFiles(std::string_view buffer);

} // namespace tarnwick::forms
