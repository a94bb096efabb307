// Replacing and removing a set of files in one folder by renames only, so that
// a failure at any step leaves the earlier set whole, or says exactly which
// file holds what.
#pragma once

#include "Platform.h"

#include <span>
#include <string>
#include <string_view>

namespace tarnwick {

// The names a file takes on its way. No user file ends like this, and a save
// cut short by a crash leaves files that say what they hold.
inline constexpr std::string_view kNewFileSuffix = ".tarnwick-new"; // written, not yet in place
inline constexpr std::string_view kEarlierFileSuffix = ".tarnwick-earlier"; // set aside, until done

struct NewFile {
    std::string_view name; // bare, in the folder
    std::string_view bytes;
};

// Writes every new file beside its place, then for each in turn sets the
// earlier file (if any) aside and moves the new one in; the files set aside
// are deleted at the end. A failure puts the earlier files back and raises the
// error; if putting them back fails too, the error's message tells, file by
// file, where the earlier and the new ones are. Raises IoError.
void ReplaceFileSet(Platform& platform, const std::string& folder, std::span<const NewFile> files);

// Removes those of the files that exist: all of them are set aside first and
// deleted only then, so a file that cannot be removed leaves the set whole.
// Raises IoError, with the same account as ReplaceFileSet.
void RemoveFileSet(Platform& platform, const std::string& folder,
                   std::span<const std::string_view> names);

enum class Recovery {
    None,           // nothing was left over
    NewSetKept,     // the new set was complete: it is in place, the rest gone
    EarlierSetKept, // the new set was not: the earlier one is back in place
};

// Resolves what a ReplaceFileSet or RemoveFileSet cut short by a crash left
// in the folder (names in the order ReplaceFileSet was given them). New files
// are on the disk before the first rename, so a set whose renames began is
// complete and is finished; one whose renames had not begun gives way to the
// earlier set. A removal that had set every file aside is finished; one cut
// short before that puts them back. Afterwards no file with either suffix is
// left. Raises IoError.
Recovery RecoverFileSet(Platform& platform, const std::string& folder,
                        std::span<const std::string_view> names);

} // namespace tarnwick
