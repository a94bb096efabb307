#include "FileSetReplacement.h"

#include "LaunchErrors.h"
#include "PathRules.h"

#include <algorithm>
#include <array>
#include <exception>
#include <optional>
#include <stdexcept>
#include <vector>

namespace tarnwick {
namespace {

// What becomes of a file, as the record says: the earlier set holds it (2),
// the new set holds it (1).
constexpr std::array<std::string_view, 4> kFates{"absent", "added", "removed", "replaced"};
constexpr std::string_view kRecordEnd = "end\r\n";
constexpr std::string_view kAtNextTime =
    "at the next start of the launcher (or at the next Save or Reset)";

struct Entry {
    std::string_view name;
    bool before = false;
    bool after = false;
};

std::string RecordLine(std::string_view name, std::size_t fate) {
    return std::string(name) + " " + std::string(kFates[fate]) + "\r\n";
}

std::string RecordText(std::span<const Entry> entries) {
    std::string text;
    for (const Entry& entry : entries)
        text += RecordLine(entry.name, (entry.before ? 2u : 0u) + (entry.after ? 1u : 0u));
    return text + std::string(kRecordEnd);
}

// A record cut short, or not ours, says nothing: none is put in place before
// it is whole, and no rename comes before that.
std::optional<std::vector<Entry>> ParseRecord(std::string_view text,
                                              std::span<const std::string_view> names) {
    std::vector<Entry> entries;
    for (const std::string_view name : names) {
        std::size_t fate = 0;
        while (fate < kFates.size() && !text.starts_with(RecordLine(name, fate)))
            ++fate;
        if (fate == kFates.size()) return std::nullopt;
        text.remove_prefix(RecordLine(name, fate).size());
        entries.push_back({name, fate >= 2, fate % 2 == 1});
    }
    if (text != kRecordEnd) return std::nullopt;
    return entries;
}

// The error being handled, raised again with more said; an IoError keeps its
// code, and anything else passes unchanged.
[[noreturn]] void Raise(const std::exception_ptr& error, const std::string& more) {
    try {
        std::rethrow_exception(error);
    } catch (const IoError& failure) {
        if (more.empty()) throw;
        throw IoError(failure.code(), failure.what() + more);
    } catch (const std::exception& failure) {
        if (more.empty()) throw;
        throw std::runtime_error(failure.what() + more);
    }
}

std::string AlsoFailed(const IoError& second) {
    return "\n\nPutting the earlier files back failed as well:\n" + std::string(second.what()) +
           "\n";
}

// The steps of a change to one set of files in a folder.
class Replacement {
  public:
    Replacement(Platform& platform, const std::string& folder,
                std::span<const std::string_view> names)
        : platform_(platform), folder_(folder), names_(names),
          commit_(Path(Stem(), kCommitRecordSuffix)), undo_(Path(Stem(), kUndoRecordSuffix)) {}

    // From the earlier set to the one of these bytes; none where the new set
    // lacks the file.
    void Run(std::span<const std::optional<std::string_view>> bytes) {
        Recover();
        std::vector<Entry> entries;
        for (std::size_t i = 0; i < names_.size(); ++i)
            entries.push_back({names_[i], There(Path(names_[i])), bytes[i].has_value()});
        const bool removal = std::none_of(entries.begin(), entries.end(),
                                          [](const Entry& entry) { return entry.after; });
        if (removal && std::none_of(entries.begin(), entries.end(),
                                    [](const Entry& entry) { return entry.before; }))
            return;
        try {
            for (std::size_t i = 0; i < names_.size(); ++i)
                if (bytes[i]) platform_.WriteFile(Path(names_[i], kNewFileSuffix), *bytes[i]);
            const std::string record = commit_ + std::string(kNewFileSuffix);
            platform_.WriteFile(record, RecordText(entries));
            platform_.MoveReplacing(record, commit_);
        } catch (...) {
            Raise(std::current_exception(), Tidy("The files are as they were before"));
        }
        try {
            MoveIn(entries);
        } catch (...) {
            Undo(entries, std::current_exception());
        }
        try {
            RemoveLeftOvers();
        } catch (...) {
            Raise(std::current_exception(),
                  LeftOver(removal ? "The files are removed" : "The new files are in place"));
        }
    }

    Recovery Recover() {
        std::optional<std::vector<Entry>> undo;
        std::optional<std::vector<Entry>> commit;
        std::string then = "Looking at what a save or reset cut short left in " + folder_ +
                           " failed; nothing was changed.";
        try {
            undo = Record(undo_);
            if (!undo) commit = Record(commit_);
            if (undo) {
                then = "Putting back the files as they were before a save or reset cut short "
                       "failed; they are put back " +
                       std::string(kAtNextTime) + ".";
                PutBack(*undo);
            } else if (commit) {
                then = "Completing a save or reset cut short failed; it is completed " +
                       std::string(kAtNextTime) + ".";
                MoveIn(*commit);
            }
            then = LeftOver("The files in place stand").substr(2);
            const bool leftOver = RemoveLeftOvers();
            if (commit) return Recovery::NewSetKept;
            return undo || leftOver ? Recovery::EarlierSetKept : Recovery::None;
        } catch (...) {
            Raise(std::current_exception(), "\n\n" + then);
        }
    }

  private:
    std::string_view Stem() const {
        const std::string_view first = names_.front();
        return first.substr(0, first.rfind('.'));
    }
    std::string Path(std::string_view name, std::string_view suffix = {}) const {
        return InFolder(platform_.CodePage(), folder_, name) + std::string(suffix);
    }
    bool There(const std::string& path) { return platform_.FileIsThere(path); }

    std::optional<std::vector<Entry>> Record(const std::string& path) {
        if (!There(path)) return std::nullopt;
        return ParseRecord(platform_.ReadFile(path), names_);
    }

    // Sets the earlier files aside and moves the new ones in, from wherever
    // the change left off: a new file still beside its place is not in yet.
    void MoveIn(std::span<const Entry> entries) {
        for (const Entry& entry : entries) {
            const std::string path = Path(entry.name);
            const std::string fresh = Path(entry.name, kNewFileSuffix);
            const std::string earlier = Path(entry.name, kEarlierFileSuffix);
            if (entry.after && !There(fresh)) continue;
            if (entry.before && !There(earlier) && There(path))
                platform_.MoveReplacing(path, earlier);
            if (entry.after) platform_.MoveReplacing(fresh, path);
        }
    }

    // Puts the earlier files back and removes the new ones that had none,
    // from wherever the change or its undo left off.
    void PutBack(std::span<const Entry> entries) {
        for (const Entry& entry : entries) {
            const std::string path = Path(entry.name);
            const std::string earlier = Path(entry.name, kEarlierFileSuffix);
            if (entry.before) {
                if (There(earlier)) platform_.MoveReplacing(earlier, path);
            } else if (entry.after && !There(Path(entry.name, kNewFileSuffix)) && There(path)) {
                platform_.RemoveFile(path);
            }
        }
    }

    // The record becomes the undo record by one rename, so that from here on
    // every recovery goes back; until then it goes forward.
    [[noreturn]] void Undo(std::span<const Entry> entries, const std::exception_ptr& error) {
        try {
            platform_.MoveReplacing(commit_, undo_);
        } catch (const IoError& second) {
            Raise(error, AlsoFailed(second) + "The new files are put in place " +
                             std::string(kAtNextTime) + " instead.");
        }
        try {
            PutBack(entries);
        } catch (const IoError& second) {
            Raise(error,
                  AlsoFailed(second) + "They are put back " + std::string(kAtNextTime) + ".");
        }
        Raise(error, Tidy("The files are as they were before"));
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
        for (const std::string_view name : names_) {
            found = remove(Path(name, kNewFileSuffix)) || found;
            remove(Path(name, kEarlierFileSuffix));
        }
        return found;
    }

    std::string LeftOver(std::string_view state) const {
        return "\n\n" + std::string(state) + "; what is left over in " + folder_ + " is deleted " +
               std::string(kAtNextTime) + ".";
    }

    // RemoveLeftOvers for a change that failed: what cannot go is told, not
    // raised, since the first error is the one to report.
    std::string Tidy(std::string_view state) {
        try {
            RemoveLeftOvers();
            return {};
        } catch (const IoError&) {
            return LeftOver(state);
        }
    }

    Platform& platform_;
    const std::string& folder_;
    std::span<const std::string_view> names_;
    std::string commit_;
    std::string undo_;
};

} // namespace

void ReplaceFileSet(Platform& platform, const std::string& folder, std::span<const NewFile> files) {
    std::vector<std::string_view> names;
    std::vector<std::optional<std::string_view>> bytes;
    for (const NewFile& file : files) {
        names.push_back(file.name);
        bytes.emplace_back(file.bytes);
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
