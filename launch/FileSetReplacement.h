// Replacing and removing a set of files in one folder so that, whatever fails
// and whenever the power goes, the folder ends with the earlier set or the new
// one, whole: a record of the change, on the disk before the first rename,
// tells the next recovery which way to go.
#pragma once

#include "Platform.h"

#include <span>
#include <string>
#include <string_view>

namespace tarnwick {

// The names a file takes on its way. No user file ends like this, and a change
// cut short leaves files that say what they hold.
inline constexpr std::string_view kNewFileSuffix = ".tarnwick-new"; // written, not yet in place
inline constexpr std::string_view kEarlierFileSuffix = ".tarnwick-earlier"; // set aside, until done
// The record of a change, named after the first file without its extension
// ("qorvex.tarnwick-commit"): while it is there the change goes forward;
// renamed to the undo record, it goes back.
inline constexpr std::string_view kCommitRecordSuffix = ".tarnwick-commit";
inline constexpr std::string_view kUndoRecordSuffix = ".tarnwick-undo";

struct NewFile {
    std::string_view name; // bare, in the folder
    std::string_view bytes;
};

// Resolves what an earlier change left (RecoverFileSet), then writes every new
// file beside its place and the record, each flushed, and puts the record in
// place by a rename. Then, file by file, sets the earlier one (if any) aside
// and moves the new one in; removes the record, then the files set aside. A
// failure before the record is in place changes nothing; one after it undoes
// the change: the record becomes the undo record by one rename, the earlier
// files go back, the undo record goes, then the new files. Raises IoError;
// where anything is left to do, its message says which set the next recovery
// leaves. The files must be given in the same order to every call.
void ReplaceFileSet(Platform& platform, const std::string& folder, std::span<const NewFile> files);

// The same change to the empty set: removes those of the files that exist.
void RemoveFileSet(Platform& platform, const std::string& folder,
                   std::span<const std::string_view> names);

enum class Recovery {
    None,           // nothing to decide: the files in place stood already
    NewSetKept,     // a change whose record was in place is completed
    EarlierSetKept, // a change cut short before it, or being undone, is undone
};

// Completes what a change cut short left in the folder: with the undo record
// the undo, with the record the change; without either, the files in place
// stand and the files left over go. Idempotent, so it may itself be cut short
// anywhere. Raises IoError, whose message says which set the next one leaves.
Recovery RecoverFileSet(Platform& platform, const std::string& folder,
                        std::span<const std::string_view> names);

} // namespace tarnwick
