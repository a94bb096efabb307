// The two caption lists a folder browser starts with, as comma text: the New
// folder button's caption and the title above the tree, in 29 languages.
#pragma once

namespace tarnwick::vesk {

extern const char* const kBuiltInNewFolderCaptions;
extern const char* const kBuiltInLabelCaptions;

} // namespace tarnwick::vesk
