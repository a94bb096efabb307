// Replacing and removing a set of files in one folder so that, whatever fails
// and whenever the power goes, the folder ends with the earlier set or the new
// one, whole: a record of the change, on the disk before the first rename,
// tells the next recovery which way to go, and what is on the disk decides
// whether it can.
#pragma once

#include "Platform.h"

#include <span>
#include <string>
#include <string_view>

namespace tarnwick {

// How long a change waits for another program's change in the same folder
// (another launcher's Save) before it gives up.
inline constexpr std::chrono::milliseconds kPatienceWithAnotherChange{2000};

struct NewFile {
    std::string_view name; // bare, in the folder
    std::string_view bytes;
};

// Every change has a tag, one of 36 characters, that no file in the folder
// carries when it begins; the files of its way carry it, so that a file left
// over by an earlier change that could not be deleted is never taken for one
// of its own. For the first file "qorvex.rsp" and tag 0 they are, each within
// 12 characters: "qorvex.rspn0" (new, beside its place), "qorvex.rspe0" (the
// earlier file, set aside), "qorvex.setn0" (the record, being written),
// "qorvex.setc0" (the record: the change goes forward), "qorvex.setu0" (the
// same record renamed: it goes back) and "qorvex.setd0" (the change is over:
// whatever of it could not be deleted is garbage). "qorvex.lock" is held
// while a change or a recovery runs. The version before this one named them
// "qorvex.rsp.tarnwick-new", "qorvex.rsp.tarnwick-earlier",
// "qorvex.tarnwick-commit.tarnwick-new", "qorvex.tarnwick-commit" and
// "qorvex.tarnwick-undo": a change of it cut short is completed or undone too.

// Holds the folder's lock (waiting for another change), resolves what an
// earlier change left (RecoverFileSet), then refuses, before anything
// changes, a file in place that cannot be replaced (read-only, held by
// another program, a folder, a link). Then writes every new file beside its
// place and the record, each flushed, and puts the record in place by a
// rename. Then, file by file, sets the earlier one (if any) aside and moves
// the new one in; removes the record, then the files set aside. A failure
// before the record is in place changes nothing; one after it undoes the
// change: the record becomes the undo record by one rename, the earlier files
// go back, the undo record goes, then the new files. Raises IoError, which
// says which set stands or which one the next recovery leaves. A file of the
// change's own that cannot be deleted stops nothing: the words returned say
// which stay and why, after what the recovery first decided (empty when
// there is nothing to say). The files must be given in the same order to
// every call.
std::string ReplaceFileSet(Platform& platform, const std::string& folder,
                           std::span<const NewFile> files);

// The same change to the empty set: removes those of the files that exist.
std::string RemoveFileSet(Platform& platform, const std::string& folder,
                          std::span<const std::string_view> names);

enum class Recovery {
    None,             // nothing to decide: the files in place stood already
    NewSetKept,       // a change whose record was in place is completed
    EarlierSetKept,   // one cut short before its record, being undone, or whose new
                      // files are gone, is undone
    FilesInPlaceKept, // files of both sets are gone: neither can be made whole
};

struct Recovered {
    Recovery recovery = Recovery::None;
    // What the start says about it, and which files of the change could not
    // be deleted and why; empty when there is nothing to say.
    std::string words;
};

// Completes what a change cut short left in the folder, deciding from what is
// on the disk: with the record, the change, unless a new file is gone and
// the earlier files are all there; with the undo record, the undo, unless an
// earlier file is gone and the new files are all there. The files of a
// change that is over go; what cannot go is said once and stops nothing.
// Idempotent, so it may itself be cut short anywhere. Takes the folder's lock
// only when there is something to do. Raises IoError, whose message says
// which set the next one leaves.
Recovered RecoverFileSet(Platform& platform, const std::string& folder,
                         std::span<const std::string_view> names);

} // namespace tarnwick
