#include "FileSetReplacement.h"

#include "AppendParts.h"
#include "PathRules.h"
#include "SystemError.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarnwick {
namespace {

// The Win32 codes of what this logic finds and raises itself.
constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kSharingViolation = 32;

constexpr std::string_view kTags = "0123456789abcdefghijklmnopqrstuvwxyz";
// The tag of the names that the version before this one gave every change.
constexpr std::size_t kLegacyTag = kTags.size();

// The names a change gives its files: a letter and the tag after a file's own
// name, or after the first file's stem and ".set"; the version before put a
// long suffix after the name or the stem.
enum Kind : std::size_t { kNew, kEarlier, kRecordWritten, kCommit, kUndo, kDone };
constexpr std::string_view kLetters = "nencud";
constexpr std::array<std::string_view, 6> kLegacySuffixes{
    ".tarnwick-new",    ".tarnwick-earlier", ".tarnwick-commit.tarnwick-new",
    ".tarnwick-commit", ".tarnwick-undo",    ".tarnwick-done"};

std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string text;
    AppendParts(text, parts);
    return text;
}

// `base` is a file's name for kNew and kEarlier, the stem for the others.
std::string NameOf(std::string_view base, Kind kind, std::size_t tag) {
    if (tag == kLegacyTag) return Cat({base, kLegacySuffixes[kind]});
    return Cat({base, kind >= kRecordWritten ? ".set" : "", kLetters.substr(kind, 1),
                kTags.substr(tag, 1)});
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// What a change does to each file, by the file's place in the set. As the
// record writes it: index 2 if the earlier set holds the file, plus 1 if the
// new set does; then the fingerprints of the earlier and the new bytes (0
// where the set lacks the file), by which a recovery knows which version is
// in place. A record of the version before has none.
struct Change {
    bool before = false;
    bool after = false;
    bool printed = false;
    std::uint64_t prints[2] = {}; // the earlier, the new
};
using Plan = std::vector<Change>;
constexpr std::array<std::string_view, 4> kChanges{"absent", "added", "removed", "replaced"};
constexpr std::string_view kRecordEnd = "end\r\n";
constexpr std::string_view kHexDigits = "0123456789abcdef";

// FNV-1a: enough to tell one set's file from another's.
std::uint64_t Fingerprint(std::string_view bytes) {
    std::uint64_t print = 14695981039346656037u;
    for (const char byte : bytes)
        print = (print ^ static_cast<unsigned char>(byte)) * 1099511628211u;
    return print;
}

std::string RecordLine(std::string_view name, const Change& change) {
    std::string line = Cat({name, " ", kChanges[change.before * 2u + change.after]});
    for (const std::uint64_t print : change.prints) {
        line += ' ';
        for (int shift = 60; shift >= 0; shift -= 4)
            line += kHexDigits[(print >> shift) & 15];
    }
    return line += "\r\n";
}

// Raises the error being handled again, with more said; it keeps its type.
// One that is not the program's (out of memory) passes unchanged.
[[noreturn]] void RethrowWith(const std::string& more) {
    try {
        throw;
    } catch (ProgramError& failure) {
        failure.Append(more);
        throw;
    }
}

// Words for the error box: how the files stand, and what the next recovery
// does about them.
std::string Next(std::string_view now, std::string_view then) {
    return Cat({"\n\n", now, " ", then,
                " at the next start of the launcher (or at the next Save or Reset)."});
}
constexpr std::string_view kNothingChanged = "Nothing was changed;";
constexpr std::string_view kLooksAgain = "it looks again";

std::string_view Then(bool back, bool removal) {
    return back      ? "they are put back"
           : removal ? "the removal is completed"
                     : "the save is completed";
}

// The files of a change that could not be deleted, each with its error.
std::string Staying(const std::vector<std::string>& stays) {
    if (stays.empty()) return {};
    std::string text = "Files that the launcher left could not be deleted:";
    for (const std::string& stay : stays)
        AppendParts(text, {"\n", stay});
    return text + "\nThey are no part of the saved set; the launcher deletes them when it can.";
}

// What a recovery did, by its Recovery less one; then the end of a reset's.
constexpr std::array<std::string_view, 4> kOutcomes{
    ". It has been completed now.", ". The files as they were before it are kept.",
    ". Neither set can be made whole: check the settings and save them.",
    ". The removal has been completed now."};

constexpr std::array<std::string_view, 5> kRefusals{
    "", " is read-only. Clear \"Read-only\" in its Properties, then try again.",
    " is in use by another program. Close the program that uses it, then try again.",
    " is a folder, not a file. Move it away or rename it, then try again.",
    " is a link to a file elsewhere. Put the file itself in its place, then try again."};

// The steps of a change to one set of files in a folder.
class Replacement {
  public:
    Replacement(Platform& platform, const std::string& folder,
                std::span<const std::string_view> names)
        : platform_(platform), folder_(folder),
          stem_(names.front().substr(0, names.front().rfind('.'))) {
        for (const std::string_view name : names) {
            slots_.push_back({name, At(name)});
            limit_ += name.size() + 45; // " replaced", two prints, "\r\n"
        }
    }

    // From the earlier set to the one of these bytes; none where the new set
    // lacks the file.
    std::string Run(std::span<const std::optional<std::string_view>> bytes) {
        removal_ = true;
        for (const std::optional<std::string_view>& file : bytes)
            removal_ = removal_ && !file;
        const std::string stand = Cat({"\n\nNothing was ", removal_ ? "removed" : "saved",
                                       ": the files as they were before stand."});
        const auto hold = Hold(stand);
        std::string words = RecoverHeld().words;
        Plan plan(slots_.size());
        bool any = false;
        std::size_t tag = 0;
        try {
            for (std::size_t i = 0; i < slots_.size(); ++i) {
                const std::string& path = slots_[i].path;
                if (const FileObstacle obstacle = platform_.WhatStopsReplacing(path);
                    obstacle != FileObstacle::None)
                    throw IoError(obstacle == FileObstacle::InUse ? kSharingViolation
                                                                  : kAccessDenied,
                                  Cat({path, kRefusals[static_cast<std::size_t>(obstacle)]}));
                plan[i] = {There(path), bytes[i].has_value(), true, {}};
                if (bytes[i]) plan[i].prints[1] = Fingerprint(*bytes[i]);
                if (plan[i].before) {
                    // A file that keeps its bytes is no part of the change:
                    // nothing could tell its two versions apart.
                    const std::string now = platform_.ReadFile(path);
                    if (bytes[i] && now == *bytes[i]) plan[i] = {};
                    plan[i].prints[0] = Fingerprint(now);
                }
                any = any || plan[i].before || plan[i].after;
            }
            if (!any) return words;
            tag = FreeTag();
        } catch (...) {
            RethrowWith(stand);
        }
        try {
            std::string record;
            for (std::size_t i = 0; i < slots_.size(); ++i) {
                if (plan[i].after) platform_.WriteFile(FileOf(i, kNew, tag), *bytes[i]);
                record += RecordLine(slots_[i].name, plan[i]);
            }
            const std::string written = SetOf(kRecordWritten, tag);
            platform_.WriteFile(written, record += kRecordEnd);
            platform_.MoveReplacing(written, SetOf(kCommit, tag));
        } catch (...) {
            std::vector<std::string> stays;
            Finish(tag, stays);
            RethrowWith(stand + Staying(stays, "\n\n"));
        }
        try {
            MoveIn(plan, tag);
        } catch (...) {
            RethrowWith(Undo(plan, tag, stand));
        }
        std::vector<std::string> stays;
        Finish(tag, stays);
        if (stays.empty()) return words;
        return Cat({words, words.empty() ? "" : "\n\n", "The launch files are ",
                    removal_ ? "removed" : "saved", ".\n\n", Staying(stays, "")});
    }

    Recovered Recover() {
        if (!Look().any) return {};
        const auto hold = Hold(Next(kNothingChanged, kLooksAgain));
        return RecoverHeld();
    }

  private:
    // One file of the set.
    struct Slot {
        std::string_view name;
        std::string path;
    };

    // A file of ours in the folder.
    struct Found {
        std::size_t tag;
        Kind kind;
        std::size_t slot; // of a file's kind
    };
    struct Survey {
        std::vector<Found> files;
        bool any = false;
        bool Has(std::size_t tag, Kind kind) const {
            for (const Found& file : files)
                if (file.tag == tag && file.kind == kind) return true;
            return false;
        }
        bool Has(std::size_t tag) const {
            for (const Found& file : files)
                if (file.tag == tag) return true;
            return false;
        }
    };

    std::string At(std::string_view name) const {
        return InFolder(platform_.CodePage(), folder_, name);
    }
    std::string FileOf(std::size_t slot, Kind kind, std::size_t tag) const {
        return At(NameOf(slots_[slot].name, kind, tag));
    }
    std::string SetOf(Kind kind, std::size_t tag) const { return At(NameOf(stem_, kind, tag)); }
    std::string PathOf(const Found& file) const {
        return file.kind < kRecordWritten ? FileOf(file.slot, file.kind, file.tag)
                                          : SetOf(file.kind, file.tag);
    }
    bool There(const std::string& path) { return platform_.FileIsThere(path); }

    // The files of ours that the folder holds, by their names: a base (a
    // file's name, or the stem and ".set") with a letter and a tag, or the
    // long names of the version before.
    Survey Look() {
        Survey survey;
        platform_.ListMatches(At(Cat({stem_, ".*"})), [&](std::string_view listed) {
            const std::string name = Lower(listed);
            for (std::size_t kind = kNew; kind <= kDone; ++kind) {
                const bool set = kind >= kRecordWritten;
                for (std::size_t slot = 0; slot < (set ? 1 : slots_.size()); ++slot) {
                    const std::string_view base = set ? stem_ : slots_[slot].name;
                    const std::string_view rest = std::string_view(name).substr(
                        name.starts_with(base) ? base.size() : name.size());
                    std::size_t tag = kLegacyTag;
                    if (rest.size() == (set ? 6 : 2) && rest.starts_with(set ? ".set" : "") &&
                        rest[rest.size() - 2] == kLetters[kind])
                        tag = kTags.find(rest.back());
                    else if (rest.empty() || rest != kLegacySuffixes[kind])
                        continue;
                    if (tag == std::string_view::npos) continue;
                    survey.files.push_back({tag, Kind(kind), slot});
                    survey.any = true;
                }
            }
        });
        return survey;
    }

    // The folder's lock: another launcher that holds it is waited for a while.
    std::unique_ptr<ExclusiveHold> Hold(const std::string& unchanged) {
        std::unique_ptr<ExclusiveHold> hold =
            platform_.HoldExclusively(At(Cat({stem_, ".lock"})), kPatienceWithAnotherChange);
        if (!hold)
            throw IoError(kSharingViolation, Cat({"Another launcher is saving in this folder, ",
                                                  folder_, ".", unchanged}));
        return hold;
    }

    // A tag that no file in the folder carries.
    std::size_t FreeTag() {
        const Survey survey = Look();
        for (std::size_t tag = 0; tag < kLegacyTag; ++tag)
            if (!survey.Has(tag)) return tag;
        throw IoError(kAccessDenied,
                      Cat({folder_, " holds too many files the launcher could not delete, such as ",
                           NameOf(slots_[0].name, kNew, 0), ". Delete them."}));
    }

    Recovered RecoverHeld() {
        const Survey survey = Look();
        Recovered recovered;
        std::vector<std::string> stays;
        std::vector<std::string> saidBefore;
        for (std::size_t tag = 0; tag <= kLegacyTag; ++tag) {
            // A change over was said when it was over; one whose record is
            // not ours is left alone.
            if (survey.Has(tag) && (survey.Has(tag, kDone) || Decide(tag, survey, recovered)))
                Finish(tag, survey.Has(tag, kDone) ? saidBefore : stays);
        }
        recovered.words += Staying(stays, recovered.words.empty() ? "" : "\n\n");
        return recovered;
    }

    // Reads the plan of a record; false for a file of a record's name that
    // no change of ours wrote (larger than any record, or not one), which is
    // left alone. A record is put in place only when whole.
    bool Record(const std::string& path, Plan& plan) {
        const std::optional<std::string> bytes = platform_.ReadSmallFile(path, limit_);
        if (!bytes) return false;
        std::string_view text = *bytes;
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            std::size_t change = 0;
            while (change < kChanges.size() &&
                   !text.starts_with(Cat({slots_[i].name, " ", kChanges[change]})))
                ++change;
            if (change == kChanges.size()) return false;
            plan[i] = {change >= 2, change % 2 == 1, false, {}};
            text.remove_prefix(slots_[i].name.size() + 1 + kChanges[change].size());
            for (std::uint64_t& print : plan[i].prints) {
                std::size_t digit;
                plan[i].printed = text.starts_with(" ");
                if (!plan[i].printed) break;
                text.remove_prefix(1);
                while (!text.empty() && (digit = kHexDigits.find(text[0])) < 16) {
                    print = print << 4 | digit;
                    text.remove_prefix(1);
                }
            }
            if (!text.starts_with("\r\n")) return false;
            text.remove_prefix(2);
        }
        return text == kRecordEnd;
    }

    // Which of the change's versions the file in place is: 1 the earlier,
    // 2 the new, 3 both (the same bytes), 0 none. For a record of the version
    // before, the new one once the earlier is set aside, or where there was
    // none.
    unsigned InPlace(std::size_t slot, const Change& change, std::size_t tag) {
        const std::string& path = slots_[slot].path;
        if (!There(path)) return 0;
        if (!change.printed)
            return change.after && (!change.before || There(FileOf(slot, kEarlier, tag))) ? 2 : 1;
        const std::uint64_t print = Fingerprint(platform_.ReadFile(path));
        return (change.before && print == change.prints[0] ? 1u : 0u) |
               (change.after && print == change.prints[1] ? 2u : 0u);
    }

    // What a change cut short with this tag left, decided from what is on the
    // disk; nothing for a tag whose record is not ours.
    bool Decide(std::size_t tag, const Survey& survey, Recovered& recovered) {
        Plan plan(slots_.size());
        const bool undo = survey.Has(tag, kUndo);
        int going = 0; // 1 back, 2 forward, once decided
        bool removal = true;
        try {
            if (undo || survey.Has(tag, kCommit)) {
                if (!Record(SetOf(undo ? kUndo : kCommit, tag), plan)) return false;
            } else {
                // Cut short before its record was in place, or after its
                // undo was: the files in place stand. Files set aside alone
                // are what a change over left.
                if (survey.Has(tag, kNew) || survey.Has(tag, kRecordWritten))
                    recovered = {Recovery::EarlierSetKept,
                                 "A save or reset was cut short before it changed the launch "
                                 "files: they are as they were before it."};
                return true;
            }
            // Which set the files left make whole: a new file gone, beside its
            // place and from it, leaves only the earlier set; an earlier file
            // gone, only the new one. Where neither is whole, the new files
            // that are left go in: nothing of the change stays but files set
            // aside, which later recoveries pass over.
            std::string_view gone[2]; // the new, the earlier
            for (std::size_t i = 0; i < slots_.size(); ++i) {
                const Change& change = plan[i];
                const unsigned in = InPlace(i, change, tag);
                removal = removal && !change.after;
                if (change.after && !(in & 2) && !There(FileOf(i, kNew, tag)) && gone[0].empty())
                    gone[0] = slots_[i].name;
                if (change.before && !(in & 1) && !There(FileOf(i, kEarlier, tag)) &&
                    gone[1].empty())
                    gone[1] = slots_[i].name;
            }
            const bool mixed = !gone[0].empty() && !gone[1].empty();
            const bool back = !mixed && (undo ? gone[1].empty() : !gone[0].empty());
            going = back ? 1 : 2;
            if (back != undo)
                platform_.MoveReplacing(SetOf(undo ? kUndo : kCommit, tag),
                                        SetOf(undo ? kCommit : kUndo, tag));
            if (back)
                PutBack(plan, tag);
            else
                MoveIn(plan, tag, mixed);
            const Recovery recovery = mixed  ? Recovery::FilesInPlaceKept
                                      : back ? Recovery::EarlierSetKept
                                             : Recovery::NewSetKept;
            std::string words = Cat(
                {"The last ", removal ? "reset" : "save", " of the launch files was cut short"});
            if (back != undo || mixed)
                AppendParts(words, {", and another program has since deleted its ",
                                    back ? "new " : "earlier ", gone[back ? 0 : 1],
                                    mixed ? " and its new " : "", mixed ? gone[0] : ""});
            AppendParts(words, {kOutcomes[static_cast<std::size_t>(recovery) - 1 +
                                          (recovery == Recovery::NewSetKept && removal ? 3 : 0)]});
            recovered = {recovery, words};
            return true;
        } catch (...) {
            if (going == 0) RethrowWith(Next(kNothingChanged, kLooksAgain));
            RethrowWith(Next(
                Cat({going == 1 ? "Putting back the files as they were before a " : "Completing a ",
                     removal ? "reset" : "save", " cut short failed;"}),
                Then(going == 1, removal)));
        }
    }

    // Sets the earlier files aside and moves the new ones in, from wherever
    // the change left off: a new file still beside its place is not in yet.
    // One that is neither there nor in its place was deleted by another
    // program since: that raises, unless the new files that are left are all
    // that can go in.
    void MoveIn(const Plan& plan, std::size_t tag, bool asFarAsItGoes = false) {
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            const std::string fresh = FileOf(i, kNew, tag);
            const std::string earlier = FileOf(i, kEarlier, tag);
            if (plan[i].after && !There(fresh)) {
                if (!asFarAsItGoes && !(InPlace(i, plan[i], tag) & 2)) throw Gone(fresh);
                continue;
            }
            if (plan[i].before && !There(earlier) && There(slots_[i].path))
                platform_.MoveReplacing(slots_[i].path, earlier);
            if (plan[i].after) platform_.MoveReplacing(fresh, slots_[i].path);
        }
    }

    // Puts the earlier files back and removes the new ones that had none,
    // from wherever the change or its undo left off; an earlier file neither
    // set aside nor in its place raises, as in MoveIn.
    void PutBack(const Plan& plan, std::size_t tag) {
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            const std::string earlier = FileOf(i, kEarlier, tag);
            if (plan[i].before) {
                if (There(earlier))
                    platform_.MoveReplacing(earlier, slots_[i].path);
                else if (!(InPlace(i, plan[i], tag) & 1))
                    throw Gone(earlier);
            } else if (plan[i].after && !There(FileOf(i, kNew, tag)) &&
                       InPlace(i, plan[i], tag) & 2) {
                platform_.RemoveFile(slots_[i].path);
            }
        }
    }

    static IoError Gone(const std::string& path) {
        return IoError(kFileNotFound, path + " has been deleted by another program.");
    }

    // The record becomes the undo record by one rename, so that from here on
    // every recovery goes back; until then it goes forward. Gives what is
    // left to the next recovery, in words.
    std::string Undo(const Plan& plan, std::size_t tag, const std::string& stand) {
        bool back = false;
        try {
            platform_.MoveReplacing(SetOf(kCommit, tag), SetOf(kUndo, tag));
            back = true;
            PutBack(plan, tag);
        } catch (const ProgramError& second) {
            return Next(
                Cat({"Putting the earlier files back failed as well:\n", second.what(), "\nSo"}),
                Then(back, removal_));
        }
        std::vector<std::string> stays;
        Finish(tag, stays);
        return stand + Staying(stays, "\n\n");
    }

    std::string Staying(const std::vector<std::string>& stays, std::string_view before) const {
        return stays.empty() ? std::string() : Cat({before, tarnwick::Staying(stays)});
    }

    // Deletes the files of a change that is over, the record first, then
    // the rest, and adds those that cannot go to `stays`: they stop nothing. Where
    // anything stays, a mark says that the change is over, so that no
    // recovery takes a record that stays for a change under way, nor says
    // again what stays; without the mark the files set aside stay with the
    // record, so that reading it again decides as now.
    void Finish(std::size_t tag, std::vector<std::string>& stays) {
        const Survey survey = Look();
        const std::size_t before = stays.size();
        const auto remove = [&](const std::string& path) {
            try {
                platform_.RemoveFile(path);
                return true;
            } catch (const SystemCodeError& error) {
                if (error.code() == kFileNotFound) return true; // gone already
                stays.push_back(error.what());
            } catch (const ProgramError& error) {
                stays.push_back(error.what());
            }
            return false;
        };
        bool recordStays = false;
        for (const Found& file : survey.files)
            if (file.tag == tag && (file.kind == kCommit || file.kind == kUndo))
                recordStays = !remove(PathOf(file)) || recordStays;
        const std::string done = SetOf(kDone, tag);
        bool marked = survey.Has(tag, kDone);
        const bool keep = recordStays && !marked && !(marked = Mark(done));
        for (const Found& file : survey.files) {
            if (file.tag != tag || file.kind == kCommit || file.kind == kUndo || file.kind == kDone)
                continue;
            if (keep)
                stays.push_back(PathOf(file) + ": kept with the record beside it.");
            else
                remove(PathOf(file));
        }
        const bool anyStays = stays.size() > before;
        if (anyStays && !marked)
            Mark(done);
        else if (!anyStays && marked)
            remove(done);
    }

    bool Mark(const std::string& done) {
        try {
            platform_.WriteFile(done, {});
            return true;
        } catch (const ProgramError&) {
            return false;
        }
    }

    Platform& platform_;
    std::string folder_;
    std::string_view stem_;
    std::vector<Slot> slots_;
    std::size_t limit_ = kRecordEnd.size(); // the longest record a change writes
    bool removal_ = false;
};

} // namespace

std::string ReplaceFileSet(Platform& platform, const std::string& folder,
                           std::span<const NewFile> files) {
    std::vector<std::string_view> names(files.size());
    std::vector<std::optional<std::string_view>> bytes(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        names[i] = files[i].name;
        bytes[i] = files[i].bytes;
    }
    return Replacement(platform, folder, names).Run(bytes);
}

std::string RemoveFileSet(Platform& platform, const std::string& folder,
                          std::span<const std::string_view> names) {
    const std::vector<std::optional<std::string_view>> none(names.size());
    return Replacement(platform, folder, names).Run(none);
}

Recovered RecoverFileSet(Platform& platform, const std::string& folder,
                         std::span<const std::string_view> names) {
    return Replacement(platform, folder, names).Recover();
}

} // namespace tarnwick
