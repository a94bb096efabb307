#include "FileSetReplacement.h"

#include "PathRules.h"
#include "ProgramError.h"

#include <array>
#include <optional>
#include <vector>

namespace tarnwick {
namespace {

// What a change does to each file, by the file's place in the set. As the
// record writes it: index 2 if the earlier set holds the file, plus 1 if the
// new set does.
struct Change {
    bool before = false;
    bool after = false;
};
using Plan = std::vector<Change>;
constexpr std::array<std::string_view, 4> kChanges{"absent", "added", "removed", "replaced"};
constexpr std::string_view kRecordEnd = "end\r\n";
constexpr std::string_view kLeftOverGoes = "what is left over is deleted";

std::string RecordLine(std::string_view name, std::size_t change) {
    return std::string(name) + " " + std::string(kChanges[change]) + "\r\n";
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
    std::string text = "\n\n";
    text += now;
    text += ' ';
    text += then;
    return text + " at the next start of the launcher (or at the next Save or Reset).";
}

// One file of the set, and the names it takes on its way.
struct Slot {
    std::string_view name;
    std::string path;
    std::string fresh;   // the new file, until it is moved in
    std::string earlier; // the earlier file, set aside until the change is done
};

// The steps of a change to one set of files in a folder.
class Replacement {
  public:
    Replacement(Platform& platform, const std::string& folder,
                std::span<const std::string_view> names)
        : platform_(platform) {
        for (const std::string_view name : names) {
            const std::string path = InFolder(platform.CodePage(), folder, name);
            slots_.push_back({name, path, path + std::string(kNewFileSuffix),
                              path + std::string(kEarlierFileSuffix)});
        }
        const std::string_view first = names.front();
        const std::string stem =
            InFolder(platform.CodePage(), folder, first.substr(0, first.rfind('.')));
        commit_ = stem + std::string(kCommitRecordSuffix);
        undo_ = stem + std::string(kUndoRecordSuffix);
    }

    // From the earlier set to the one of these bytes; none where the new set
    // lacks the file.
    void Run(std::span<const std::optional<std::string_view>> bytes) {
        Recover();
        Plan plan(slots_.size());
        bool any = false;
        bool removal = true;
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            plan[i] = {There(slots_[i].path), bytes[i].has_value()};
            any = any || plan[i].before || plan[i].after;
            removal = removal && !plan[i].after;
        }
        if (!any) return;
        try {
            std::string record;
            for (std::size_t i = 0; i < slots_.size(); ++i) {
                if (bytes[i]) platform_.WriteFile(slots_[i].fresh, *bytes[i]);
                record += RecordLine(slots_[i].name, plan[i].before * 2u + plan[i].after);
            }
            const std::string whole = commit_ + std::string(kNewFileSuffix);
            platform_.WriteFile(whole, record += kRecordEnd);
            platform_.MoveReplacing(whole, commit_);
        } catch (...) {
            RethrowWith(Tidy("The files are as they were before;"));
        }
        try {
            MoveIn(plan);
        } catch (...) {
            RethrowWith(Undo(plan));
        }
        try {
            RemoveLeftOvers();
        } catch (...) {
            RethrowWith(Next(removal ? "The files are removed;" : "The new files are in place;",
                             kLeftOverGoes));
        }
    }

    Recovery Recover() {
        std::optional<Plan> undo;
        std::optional<Plan> commit;
        std::string_view now = "Looking at what a save or reset cut short left failed;";
        std::string_view then = "nothing was changed; it is tried again";
        try {
            undo = Record(undo_);
            if (!undo) commit = Record(commit_);
            if (undo) {
                now = "Putting back the files as they were before a save or reset cut short "
                      "failed;";
                then = "they are put back";
                PutBack(*undo);
            } else if (commit) {
                now = "Completing a save or reset cut short failed;";
                then = "it is completed";
                MoveIn(*commit);
            }
            now = "The files in place stand;";
            then = kLeftOverGoes;
            const bool leftOver = RemoveLeftOvers();
            if (commit) return Recovery::NewSetKept;
            return undo || leftOver ? Recovery::EarlierSetKept : Recovery::None;
        } catch (...) {
            RethrowWith(Next(now, then));
        }
    }

  private:
    bool There(const std::string& path) { return platform_.FileIsThere(path); }

    // The plan of a record; none for one cut short or not ours, which no
    // rename can have followed: a record is put in place only when whole.
    std::optional<Plan> Record(const std::string& path) {
        if (!There(path)) return std::nullopt;
        const std::string bytes = platform_.ReadFile(path);
        std::string_view text = bytes;
        Plan plan(slots_.size());
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            std::size_t change = 0;
            while (change < kChanges.size() &&
                   !text.starts_with(RecordLine(slots_[i].name, change)))
                ++change;
            if (change == kChanges.size()) return std::nullopt;
            text.remove_prefix(RecordLine(slots_[i].name, change).size());
            plan[i] = {change >= 2, change % 2 == 1};
        }
        if (text != kRecordEnd) return std::nullopt;
        return plan;
    }

    // Sets the earlier files aside and moves the new ones in, from wherever
    // the change left off: a new file still beside its place is not in yet.
    void MoveIn(const Plan& plan) {
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            const Slot& slot = slots_[i];
            if (plan[i].after && !There(slot.fresh)) continue;
            if (plan[i].before && !There(slot.earlier) && There(slot.path))
                platform_.MoveReplacing(slot.path, slot.earlier);
            if (plan[i].after) platform_.MoveReplacing(slot.fresh, slot.path);
        }
    }

    // Puts the earlier files back and removes the new ones that had none,
    // from wherever the change or its undo left off.
    void PutBack(const Plan& plan) {
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            const Slot& slot = slots_[i];
            if (plan[i].before) {
                if (There(slot.earlier)) platform_.MoveReplacing(slot.earlier, slot.path);
            } else if (plan[i].after && !There(slot.fresh) && There(slot.path)) {
                platform_.RemoveFile(slot.path);
            }
        }
    }

    // The record becomes the undo record by one rename, so that from here on
    // every recovery goes back; until then it goes forward. Gives what is
    // left to the next recovery, in words.
    std::string Undo(const Plan& plan) {
        std::string_view then = "the new files are put in place";
        try {
            platform_.MoveReplacing(commit_, undo_);
            then = "they are put back";
            PutBack(plan);
        } catch (const ProgramError& second) {
            return Next("Putting the earlier files back failed as well:\n" +
                            std::string(second.what()) + "\nSo",
                        then);
        }
        return Tidy("The files are as they were before;");
    }

    // Deletes the records, then what a change leaves beside the files; tells
    // whether anything but files set aside was there. Once the files in place
    // are the one set or the other, all of it is garbage.
    bool RemoveLeftOvers() {
        bool found = false;
        const auto remove = [this](const std::string& path) {
            if (!There(path)) return false;
            platform_.RemoveFile(path);
            return true;
        };
        for (const std::string& path : {commit_, undo_, commit_ + std::string(kNewFileSuffix)})
            found = remove(path) || found;
        for (const Slot& slot : slots_) {
            found = remove(slot.fresh) || found;
            remove(slot.earlier);
        }
        return found;
    }

    // RemoveLeftOvers for a change that failed: what cannot go is told, not
    // raised, since the first error is the one to report.
    std::string Tidy(std::string_view now) {
        try {
            RemoveLeftOvers();
            return {};
        } catch (const ProgramError&) {
            return Next(now, kLeftOverGoes);
        }
    }

    Platform& platform_;
    std::vector<Slot> slots_;
    std::string commit_; // the record of a change under way
    std::string undo_;   // the same record, once the change is being undone
};

} // namespace

void ReplaceFileSet(Platform& platform, const std::string& folder, std::span<const NewFile> files) {
    std::vector<std::string_view> names(files.size());
    std::vector<std::optional<std::string_view>> bytes(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        names[i] = files[i].name;
        bytes[i] = files[i].bytes;
    }
    Replacement(platform, folder, names).Run(bytes);
}

void RemoveFileSet(Platform& platform, const std::string& folder,
                   std::span<const std::string_view> names) {
    const std::vector<std::optional<std::string_view>> none(names.size());
    Replacement(platform, folder, names).Run(none);
}

Recovery RecoverFileSet(Platform& platform, const std::string& folder,
                        std::span<const std::string_view> names) {
    return Replacement(platform, folder, names).Recover();
}

} // namespace tarnwick
