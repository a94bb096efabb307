#include "FileSetReplacement.h"

#include "LaunchErrors.h"
#include "PathRules.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

namespace tarnwick {
namespace {

// One file of the set, and where its earlier and new versions are now.
struct Slot {
    Slot(const AnsiCodePage& codePage, const std::string& folder, std::string_view bareName)
        : name(bareName), path(InFolder(codePage, folder, name)),
          newPath(path + std::string(kNewFileSuffix)),
          earlierPath(path + std::string(kEarlierFileSuffix)) {}

    std::string name;
    std::string path;
    std::string newPath;
    std::string earlierPath;
    bool newWritten = false;   // newPath may exist: a failed write can leave part of it
    bool earlierAside = false; // the earlier file is at earlierPath
    bool newInPlace = false;   // path holds the new file
};

// Where the slot's files are, when that is not simply where they were.
std::string Account(const Slot& slot) {
    const std::string kept =
        "the earlier one is kept as " + slot.name + std::string(kEarlierFileSuffix) + ".";
    std::string lines;
    if (slot.earlierAside && slot.newInPlace)
        lines += "\n" + slot.name + " is already the new one; " + kept;
    else if (slot.earlierAside)
        lines += "\n" + slot.name + " is missing; " + kept;
    else if (slot.newInPlace)
        lines += "\n" + slot.name + " is already the new one; there was none before.";
    if (slot.newWritten)
        lines += "\nThe new " + slot.name + " is left over as " + slot.name +
                 std::string(kNewFileSuffix) + ".";
    return lines;
}

// Puts every earlier file back and removes the new ones, last file first. A
// step that fails leaves its slot as it was; the account of the slots that
// are not back is returned (empty when all are).
std::string PutBack(Platform& platform, const std::string& folder, std::vector<Slot>& slots) {
    std::string account;
    for (auto slot = slots.rbegin(); slot != slots.rend(); ++slot) {
        try {
            if (slot->earlierAside) {
                platform.MoveReplacing(slot->earlierPath, slot->path);
                slot->earlierAside = slot->newInPlace = false;
            } else if (slot->newInPlace) {
                platform.RemoveFile(slot->path);
                slot->newInPlace = false;
            }
        } catch (const IoError&) {
            // Told below, with the slot's state.
        }
        try {
            if (slot->newWritten && platform.FileExists(slot->newPath))
                platform.RemoveFile(slot->newPath);
            slot->newWritten = false;
        } catch (const IoError&) {
            // Told below, with the slot's state.
        }
        account.insert(0, Account(*slot));
    }
    if (account.empty()) return account;
    return "\n\nPutting the earlier files back in " + folder +
           " failed as well; all but these are as before:" + account;
}

// Raises the error being handled again, with the account added to its message.
[[noreturn]] void RethrowWith(const std::string& account) {
    if (account.empty()) throw;
    try {
        throw;
    } catch (const IoError& error) {
        throw IoError(error.code(), error.what() + account);
    } catch (const std::exception& error) {
        throw std::runtime_error(error.what() + account);
    }
}

// Deletes the earlier files set aside, once the set is complete without them.
// One that cannot be deleted is reported, after the others are gone.
void DeleteSetAside(Platform& platform, const std::string& folder, const std::vector<Slot>& slots,
                    std::string_view done) {
    std::optional<IoError> failure;
    std::string names;
    for (const Slot& slot : slots) {
        if (!slot.earlierAside) continue;
        try {
            platform.RemoveFile(slot.earlierPath);
        } catch (const IoError& error) {
            if (!failure) failure = error;
            names += (names.empty() ? "" : ", ") + slot.name + std::string(kEarlierFileSuffix);
        }
    }
    if (failure)
        throw IoError(failure->code(), std::string(failure->what()) + "\n\n" + std::string(done) +
                                           ", but the earlier files set aside could not be " +
                                           "deleted from " + folder + ": " + names + ".");
}

} // namespace

void ReplaceFileSet(Platform& platform, const std::string& folder, std::span<const NewFile> files) {
    std::vector<Slot> slots;
    slots.reserve(files.size());
    for (const NewFile& file : files)
        slots.emplace_back(platform.CodePage(), folder, file.name);
    try {
        for (std::size_t i = 0; i < files.size(); ++i) {
            slots[i].newWritten = true;
            platform.WriteFile(slots[i].newPath, files[i].bytes);
        }
        for (Slot& slot : slots) {
            if (platform.FileExists(slot.path)) {
                platform.MoveReplacing(slot.path, slot.earlierPath);
                slot.earlierAside = true;
            }
            platform.MoveReplacing(slot.newPath, slot.path);
            slot.newWritten = false;
            slot.newInPlace = true;
        }
    } catch (...) {
        RethrowWith(PutBack(platform, folder, slots));
    }
    DeleteSetAside(platform, folder, slots, "The new files are saved");
}

void RemoveFileSet(Platform& platform, const std::string& folder,
                   std::span<const std::string_view> names) {
    std::vector<Slot> slots;
    slots.reserve(names.size());
    try {
        for (std::string_view name : names) {
            Slot slot(platform.CodePage(), folder, name);
            if (!platform.FileExists(slot.path)) continue;
            platform.MoveReplacing(slot.path, slot.earlierPath);
            slot.earlierAside = true;
            slots.push_back(std::move(slot));
        }
    } catch (...) {
        RethrowWith(PutBack(platform, folder, slots));
    }
    DeleteSetAside(platform, folder, slots, "The files are removed");
}

Recovery RecoverFileSet(Platform& platform, const std::string& folder,
                        std::span<const std::string_view> names) {
    struct Found {
        Slot slot;
        bool isNew, isAside, inPlace;
    };
    std::vector<Found> found;
    bool anyNew = false;
    bool anyAside = false;
    for (std::string_view name : names) {
        Slot slot(platform.CodePage(), folder, name);
        const bool isNew = platform.FileExists(slot.newPath);
        const bool isAside = platform.FileExists(slot.earlierPath);
        const bool inPlace = platform.FileExists(slot.path);
        anyNew = anyNew || isNew;
        anyAside = anyAside || isAside;
        found.push_back({std::move(slot), isNew, isAside, inPlace});
    }
    if (!anyNew && !anyAside) return Recovery::None;

    // The new files are written in order, then moved in in the same order:
    // until the first move they are a leading run of the names, after it a
    // trailing one.
    bool leadingRun = true;
    for (std::size_t i = 1; i < found.size(); ++i)
        if (found[i].isNew && !found[i - 1].isNew) leadingRun = false;
    const bool movesBegan = anyAside || !leadingRun;
    // A removal sets every file aside, then deletes them; one cut short
    // while it set them aside has some in place and some aside without.
    const auto anyOf = [&found](auto test) {
        return std::any_of(found.begin(), found.end(), test);
    };
    const bool removalCut = !anyNew &&
                            anyOf([](const Found& f) { return f.isAside && !f.inPlace; }) &&
                            anyOf([](const Found& f) { return f.inPlace; });

    if (anyNew && !movesBegan) {
        // Last first, so that what a cut-short recovery leaves is still a
        // leading run.
        for (auto f = found.rbegin(); f != found.rend(); ++f)
            if (f->isNew) platform.RemoveFile(f->slot.newPath);
        return Recovery::EarlierSetKept;
    }
    if (removalCut) {
        for (const Found& f : found)
            if (f.isAside) platform.MoveReplacing(f.slot.earlierPath, f.slot.path);
        return Recovery::EarlierSetKept;
    }
    for (const Found& f : found) {
        if (!f.isNew) continue;
        if (f.inPlace && !f.isAside) platform.MoveReplacing(f.slot.path, f.slot.earlierPath);
        platform.MoveReplacing(f.slot.newPath, f.slot.path);
    }
    for (const Found& f : found)
        if (platform.FileExists(f.slot.earlierPath)) platform.RemoveFile(f.slot.earlierPath);
    return Recovery::NewSetKept;
}

} // namespace tarnwick
