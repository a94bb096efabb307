// Every way a replacement of the launch files can go, in a model of the file
// operations: each step of a Save or a Reset, of its undo and of the recovery
// at the next two starts may succeed, fail, be the last before a power cut,
// fail for good (a file of ours that another program then holds, so that it
// can never be deleted), or find that another program deleted the new or
// set-aside file it is about to use. Whatever the steps did, the recovery
// leaves the earlier set or the new one, byte for byte, whenever the files
// left make one of them whole, and says which; it says once which files stay.
#include "FileSetReplacement.h"
#include "LaunchErrors.h"
#include "LaunchFileNames.h"
#include "MemoryPlatform.h"
#include "PromisedSet.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace tarnwick {
namespace {

// The outcome of each step in turn, one letter a step: S succeeds, F fails,
// C is the last before a power cut, L (a deletion) fails and the file stays
// held by another program for good, V finds the step's file of ours (new or
// set aside) deleted by another program just before. Steps beyond the script
// succeed. (P, for a chosen step, fails with an error of another kind than
// the system's.)
using Script = std::string;

// What is on the disk: the files, those whose bytes were never flushed, those
// another program holds (they cannot be moved or deleted) and those marked
// read-only.
struct Disk {
    std::map<std::string, std::string> files;
    std::set<std::string> unflushed;
    std::set<std::string> held;
    std::set<std::string> readOnly;
    auto operator<=>(const Disk&) const = default;
};

struct PowerCut {}; // not an error the product could take for one of its own

constexpr auto kNames = kLaunchFilesInSaveOrder;
const std::string kFolder = "C:\\START";
std::string At(std::string_view name) { return kFolder + "\\" + std::string(name); }
std::string Bare(const std::string& path) { return path.substr(kFolder.size() + 1); }

// The mark that a change is over, under this version's names or the one's
// before.
bool Mark(const std::string& path) {
    return Bare(path).starts_with("qorvex.setd") || Bare(path) == "qorvex.tarnwick-done";
}

// A new or set-aside file of ours: its name is a launch file's and more.
bool Leftover(const std::string& path) {
    for (const std::string_view name : kNames)
        if (path.size() > At(name).size() && path.starts_with(At(name))) return true;
    return false;
}

// MemoryPlatform with every file operation a step whose outcome the script
// chooses. A write is two steps, the bytes and their flush; a failed write
// leaves half of them, and a power cut leaves half of every file not flushed.
// Renames and deletions are journaled in order, so losing the last of them to
// a power cut is the same as a cut before them.
class SteppedPlatform final : public MemoryPlatform {
  public:
    SteppedPlatform(const Disk& disk, Script script, bool logging = false)
        : script_(std::move(script)), logging_(logging), unflushed_(disk.unflushed),
          held_(disk.held), readOnly_(disk.readOnly) {
        files = disk.files;
    }
    Disk disk() const { return {files, unflushed_, held_, readOnly_}; }
    Disk TakeDisk() {
        return {std::move(files), std::move(unflushed_), std::move(held_), std::move(readOnly_)};
    }
    // The outcomes besides S that each step taken could have had.
    const std::vector<std::string>& options() const { return options_; }
    bool cut() const { return cut_; }
    const std::string& log() const { return log_; }

    // Chooses the outcome of each step by what it does, instead of the script.
    std::function<char(const std::string& step)> choose;

    bool FileExists(const std::string& path) override {
        const char outcome = Begin("look for", path);
        const bool there = outcome != 'F' && files.contains(path); // as a failed look answers
        End(outcome);
        return there;
    }
    bool FileIsThere(const std::string& path) override {
        const char outcome = Begin("look for", path);
        if (outcome == 'F') throw IoError(5, Bare(path) + ": Access is denied.");
        const bool there = files.contains(path);
        End(outcome);
        return there;
    }
    FileObstacle WhatStopsReplacing(const std::string& path) override {
        const char outcome = Begin("look at", path);
        if (outcome == 'F') throw IoError(5, Bare(path) + ": Access is denied.");
        End(outcome);
        if (!files.contains(path)) return FileObstacle::None;
        if (readOnly_.contains(path)) return FileObstacle::ReadOnly;
        return held_.contains(path) ? FileObstacle::InUse : FileObstacle::None;
    }
    // The folder's files whose names begin as the pattern's, before its "*".
    void ListMatches(const std::string& pattern,
                     const std::function<void(std::string_view name)>& onName) override {
        const std::string start = pattern.substr(0, pattern.find('*'));
        for (const auto& file : files)
            if (file.first.starts_with(start)) onName(Bare(file.first));
    }
    std::string ReadFile(const std::string& path) override {
        const char outcome = Begin("read", path);
        Need(path, outcome);
        const std::string bytes = files[path];
        End(outcome);
        return bytes;
    }
    std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t limit) override {
        std::string bytes = ReadFile(path);
        if (bytes.size() > limit) return std::nullopt;
        return bytes;
    }
    void WriteFile(const std::string& path, std::string_view bytes) override {
        char outcome = Begin("write", path);
        files[path] = outcome == 'F' ? bytes.substr(0, bytes.size() / 2) : bytes;
        unflushed_.insert(path);
        if (outcome == 'F')
            throw IoError(112, Bare(path) + ": There is not enough space on the disk.");
        End(outcome);
        outcome = Begin("flush", path);
        Need(path, outcome);
        unflushed_.erase(path);
        End(outcome);
    }
    void MoveReplacing(const std::string& from, const std::string& to) override {
        const char outcome = Begin("move", from, to);
        Need(from, outcome);
        NotHeld(to, outcome);
        files[to] = files[from];
        files.erase(from);
        if (unflushed_.erase(from) != 0)
            unflushed_.insert(to);
        else
            unflushed_.erase(to);
        readOnly_.erase(to);
        End(outcome);
    }
    void RemoveFile(const std::string& path) override {
        const char outcome = Begin("delete", path);
        Need(path, outcome);
        files.erase(path);
        unflushed_.erase(path);
        readOnly_.erase(path); // the real one clears the attribute of a file of ours
        End(outcome);
    }

  private:
    char Begin(std::string_view what, const std::string& path, const std::string& to = {}) {
        if (cut_) throw PowerCut{};
        // A step on a file another program holds fails whatever else
        // happens; another program deletes a file between our look at it and
        // our use of it, or before the look.
        std::string options = held_.contains(path) || held_.contains(to) ? "C" : "FC";
        if (what == "delete" && !IsLaunchFile(path) && !held_.contains(path)) options += 'L';
        if (what == "look for" && Leftover(path) && files.contains(path)) options += 'V';
        options_.push_back(options);
        char outcome = options_.size() <= script_.size() ? script_[options_.size() - 1] : 'S';
        if (logging_ || choose) {
            std::string step = std::string(what) + " " + Bare(path);
            if (!to.empty()) step += " to " + Bare(to);
            if (choose) outcome = choose(step);
            log_ += "  " + step +
                    (outcome == 'S'   ? ""
                     : outcome == 'C' ? ": power cut after it"
                     : outcome == 'L' ? ": fails, and another program holds it from now on"
                     : outcome == 'V' ? ": another program deleted it just before"
                                      : ": fails") +
                    "\n";
        }
        if (outcome == 'V') {
            files.erase(path);
            unflushed_.erase(path);
            outcome = 'S';
        }
        if (outcome == 'L') {
            held_.insert(path);
            outcome = 'S';
        }
        return outcome;
    }
    static bool IsLaunchFile(const std::string& path) {
        for (const std::string_view name : kNames)
            if (path == At(name)) return true;
        return false;
    }
    // A step that fails, or whose file is missing or held, raises an error
    // that names the file, as the system's file operations do.
    void Need(const std::string& path, char outcome) {
        if (outcome == 'F') throw IoError(5, Bare(path) + ": Access is denied.");
        if (outcome == 'P') throw UnusablePathError(Bare(path) + ": The path is too long.");
        NotHeld(path, outcome);
        if (files.contains(path)) return;
        End(outcome);
        throw IoError(2, Bare(path) + ": The system cannot find the file specified.");
    }
    void NotHeld(const std::string& path, char outcome) {
        if (!held_.contains(path)) return;
        End(outcome);
        throw IoError(32, Bare(path) + ": The process cannot access the file because it is being "
                                       "used by another process.");
    }
    void End(char outcome) {
        if (outcome != 'C') return;
        for (const std::string& path : unflushed_)
            if (const auto file = files.find(path); file != files.end())
                file->second.resize(file->second.size() / 2);
        unflushed_.clear();
        cut_ = true;
        throw PowerCut{};
    }

    Script script_;
    bool logging_;
    std::set<std::string> unflushed_;
    std::set<std::string> held_;
    std::set<std::string> readOnly_;
    std::vector<std::string> options_;
    bool cut_ = false;
    std::string log_;
};

struct Run {
    Disk disk;
    bool cut = false;
    std::optional<std::string> error;
    Recovered said; // a recovery's; a Save's or a Reset's words about what stays
    bool recovery = false;
};

// The files by name, each cut short or whole, for a failure's message.
std::string Listing(const Disk& disk) {
    std::string text;
    for (const auto& [path, bytes] : disk.files)
        text +=
            "  " + Bare(path) + ": " + bytes.substr(0, bytes.find('\r')) +
            (bytes.empty() || bytes.ends_with("\r\n") || path.ends_with(".WAD") ? ""
                                                                                : " (cut short)") +
            (disk.held.contains(path) ? " (held by another program)" : "") + "\n";
    return text;
}

// A Save, a Reset or a recovery: a recovery gives what it decided.
using Phase = std::function<Run(Platform&)>;

Run RunPhase(const Disk& start, const Phase& phase, const Script& script,
             std::vector<std::string>* options, std::string* log = nullptr) {
    SteppedPlatform platform(start, script, log != nullptr);
    Run run;
    try {
        run = phase(platform);
    } catch (const IoError& error) {
        run.error = error.what();
    } catch (const PowerCut&) {
    }
    run.cut = platform.cut();
    if (options) *options = platform.options();
    if (log) *log = platform.log();
    run.disk = platform.TakeDisk();
    return run;
}

// Runs the phase once for every sequence of outcomes of its steps, with F
// and C anywhere and each of the letters of `once` (L, V) at most once.
void EachRun(const Disk& start, const Phase& phase, const std::string& once,
             const std::function<void(const Script&, const Run&)>& onRun) {
    std::vector<Script> todo{Script()};
    while (!todo.empty()) {
        const Script script = std::move(todo.back());
        todo.pop_back();
        std::vector<std::string> options;
        const Run run = RunPhase(start, phase, script, &options);
        for (std::size_t at = script.size(); at < options.size(); ++at)
            for (const char outcome : options[at])
                if (outcome == 'F' || outcome == 'C' ||
                    (once.find(outcome) != std::string::npos &&
                     script.find(outcome) == Script::npos))
                    todo.push_back(script + std::string(at - script.size(), 'S') + outcome);
        onRun(script, run);
    }
}

// The letters of `once` that the script did not use.
std::string Unused(std::string once, const Script& script) {
    std::erase_if(once, [&script](char letter) { return script.find(letter) != Script::npos; });
    return once;
}

Run Recover(Platform& platform) {
    Run run;
    run.said = RecoverFileSet(platform, kFolder, kNames);
    run.recovery = true;
    return run;
}

enum class Set { Earlier, New, Neither };

struct Scenario {
    const char* what;
    Disk start;
    Disk before; // the launch files of the earlier set
    Disk after;  // and of the new one
    Phase operation;
    // The faults besides failures and power cuts that may each meet one step
    // of the history: L, a file of ours held for good; V, one deleted.
    std::string once = "LV";
};

Disk LaunchFiles(std::string_view which, bool withScript = true) {
    Disk disk;
    disk.files[At("DOOM2.WAD")] = "not ours";
    for (const std::string_view name : kNames)
        if (withScript || name != kConsoleScriptName)
            disk.files[At(name)] = std::string(which) + " " + std::string(name) + "\r\n";
    return disk;
}

Phase SaveOf(const Disk& after) {
    return [after](Platform& platform) {
        std::vector<std::string> bytes;
        for (const std::string_view name : kNames)
            bytes.push_back(after.files.at(At(name)));
        const NewFile files[] = {
            {kNames[0], bytes[0]}, {kNames[1], bytes[1]}, {kNames[2], bytes[2]}};
        Run run;
        run.said.words = ReplaceFileSet(platform, kFolder, files);
        return run;
    };
}

Run Reset(Platform& platform) {
    Run run;
    run.said.words = RemoveFileSet(platform, kFolder, kNames);
    return run;
}

// One part of a history: the disk it began on, what ran, and the outcomes.
struct Step {
    Disk start;
    const char* what;
    Phase phase;
    Script script;
};

std::vector<std::optional<std::string>> InPlace(const Disk& disk) {
    std::vector<std::optional<std::string>> files;
    for (const std::string_view name : kNames) {
        const auto file = disk.files.find(At(name));
        files.push_back(file == disk.files.end() ? std::nullopt : std::optional(file->second));
    }
    return files;
}

// Explores one scenario: every run of the operation, then of two recoveries
// after it, each cut short, failing or meeting a deleted file anywhere, then a
// recovery with nothing failing but the files held for good. Every state a
// step can leave is reached (by a cut right after the step), and its outcome
// checked once.
class Explorer {
  public:
    explicit Explorer(const Scenario& scenario) : scenario_(scenario) {}

    void Explore() {
        EachRun(scenario_.start, scenario_.operation, scenario_.once,
                [&](const Script& script, const Run& run) {
                    ++runs_;
                    const std::vector<Step> history{
                        {scenario_.start, scenario_.what, scenario_.operation, script}};
                    if (!run.cut && !run.error) Succeeded(run, scenario_.start, history);
                    sequences_ += Follow(run.disk, 2, Unused(scenario_.once, script),
                                         Promised(run, scenario_.start, history), history);
                });
    }

    std::size_t disks() const { return fates_.size(); }
    std::uint64_t sequences() const { return sequences_; }
    std::size_t runs() const { return runs_; }

  private:
    // A run that says it succeeded: the new set, or for a recovery the set
    // it said, in place; nothing of ours left that it does not name (but the
    // mark that the change is over).
    void Succeeded(const Run& run, const Disk& start, const std::vector<Step>& history) {
        if (!run.recovery && InPlace(run.disk) != InPlace(scenario_.after))
            Problem(history, run.disk, "it succeeded, but the folder is not the new set");
        for (const auto& [path, bytes] : run.disk.files)
            if (!Mark(path) && !start.files.contains(path) &&
                !scenario_.after.files.contains(path) && !scenario_.before.files.contains(path) &&
                run.said.words.find(Bare(path)) == std::string::npos)
                Problem(history, run.disk, "it succeeded and left " + Bare(path) + " unsaid");
    }

    bool Reachable(const Disk& disk, Set set) const {
        const Disk& files = set == Set::New ? scenario_.after : scenario_.before;
        for (const std::optional<std::string>& bytes : InPlace(files)) {
            if (!bytes) continue;
            bool found = false;
            for (const auto& [path, held] : disk.files)
                found = found || (held == *bytes && !disk.unflushed.contains(path));
            if (!found) return false;
        }
        return true;
    }

    // The set a disk ends with: a recovery with nothing failing leaves it,
    // whole whenever the files left make one whole, says so when it had to
    // decide, and leaves nothing to the next.
    Set Fate(const Disk& disk, const std::vector<Step>& history) {
        if (const auto known = fates_.find(disk); known != fates_.end()) return known->second;
        const Run run = RunPhase(disk, Recover, "", nullptr);
        Set set = Set::Neither;
        if (run.error) {
            Problem(history, disk, "a recovery with nothing failing fails: " + *run.error);
        } else if (InPlace(run.disk) == InPlace(scenario_.after)) {
            set = Set::New;
        } else if (InPlace(run.disk) == InPlace(scenario_.before)) {
            set = Set::Earlier;
        } else if (Reachable(disk, Set::Earlier) || Reachable(disk, Set::New)) {
            Problem(history, run.disk, "the recovery leaves neither set whole, though it could");
        }
        const Recovery recovery = run.said.recovery;
        if (recovery == Recovery::None && InPlace(disk) != InPlace(run.disk))
            Problem(history, run.disk, "the recovery changed the files and says nothing");
        if (recovery == Recovery::NewSetKept && set != Set::New)
            Problem(history, run.disk, "the recovery says the new set stands; it does not");
        if (recovery == Recovery::EarlierSetKept && set != Set::Earlier)
            Problem(history, run.disk, "the recovery says the earlier set stands; it does not");
        if (recovery == Recovery::FilesInPlaceKept && set != Set::Neither)
            Problem(history, run.disk, "the recovery says neither set is whole; one is");
        if (recovery != Recovery::None && run.said.words.empty())
            Problem(history, run.disk, "the recovery decided and says nothing");
        for (const auto& [path, bytes] : run.disk.files)
            if (!run.disk.held.contains(path) && !Mark(path) &&
                !scenario_.before.files.contains(path) && !scenario_.after.files.contains(path))
                Problem(history, run.disk, "the recovery leaves " + Bare(path));
        const Run again = RunPhase(run.disk, Recover, "", nullptr);
        if (again.said.recovery != Recovery::None || !again.said.words.empty() ||
            again.disk != run.disk)
            Problem(history, again.disk, "a second recovery has more to say or do");
        fates_[disk] = set;
        return set;
    }

    // The set that the error box of a run (not cut short) said will stand.
    std::optional<Set> Promised(const Run& run, const Disk& start,
                                const std::vector<Step>& history) {
        if (run.cut || !run.error) return std::nullopt;
        switch (WhatItSays(*run.error)) {
        case Said::Unchanged:
            if (InPlace(run.disk) != InPlace(start))
                Problem(history, run.disk, "the error box says nothing changed; files did");
            return std::nullopt;
        case Said::Earlier:
            return Set::Earlier;
        case Said::New:
            return Set::New;
        case Said::Nothing:
            break;
        }
        Problem(history, run.disk, "the error box does not say which set will stand");
        return std::nullopt;
    }

    // Checks the disk and every way the recoveries left can go from it;
    // gives the number of those ways. A promise, or the set a disk ends with,
    // holds as long as the files left make that set whole.
    std::uint64_t Follow(const Disk& disk, int recoveries, const std::string& once,
                         std::optional<Set> promised, const std::vector<Step>& history) {
        const Set fate = Fate(disk, history);
        if (promised && *promised != fate && Reachable(disk, *promised))
            Problem(history, disk, "the error box said the other set would stand");
        if (recoveries == 0) return 1;
        if (const auto known = ways_.find({disk, recoveries, once}); known != ways_.end())
            return known->second;
        std::uint64_t ways = 0;
        EachRun(disk, Recover, once, [&](const Script& script, const Run& run) {
            ++runs_;
            std::vector<Step> longer = history;
            longer.push_back({disk, "the next start", Recover, script});
            if (!run.cut && !run.error) Succeeded(run, disk, longer);
            if (fate != Set::Neither && Fate(run.disk, longer) != fate && Reachable(run.disk, fate))
                Problem(longer, run.disk, "this recovery changed which set the disk ends with");
            ways += Follow(run.disk, recoveries - 1, Unused(once, script),
                           Promised(run, disk, longer), longer);
        });
        ways_[{disk, recoveries, once}] = ways;
        return ways;
    }

    void Problem(const std::vector<Step>& history, const Disk& disk, const std::string& what) {
        if (++problems_ > 10) return;
        std::string text = std::string(scenario_.what) + ": " + what + "\n";
        for (const Step& step : history) {
            std::string log;
            const Run run = RunPhase(step.start, step.phase, step.script, nullptr, &log);
            text += std::string(step.what) + (run.error ? " (error box: " + *run.error + ")" : "") +
                    (run.said.words.empty() ? "" : " (says: " + run.said.words + ")") + "\n" + log;
        }
        ADD_FAILURE() << text << "leaving:\n" << Listing(disk);
    }

    const Scenario& scenario_;
    std::map<Disk, Set> fates_;
    std::map<std::tuple<Disk, int, std::string>, std::uint64_t> ways_;
    std::uint64_t sequences_ = 0;
    std::size_t runs_ = 0;
    int problems_ = 0;
};

// What an earlier Save left, cut short or over, before the set in place.
Disk With(Disk disk, std::initializer_list<std::pair<const char*, std::string>> files,
          std::initializer_list<const char*> held = {}) {
    for (const auto& [name, bytes] : files)
        disk.files[At(name)] = bytes;
    for (const char* name : held)
        disk.held.insert(At(name));
    return disk;
}

std::string Print(const std::string& bytes) {
    std::uint64_t print = 14695981039346656037u;
    for (const char byte : bytes)
        print = (print ^ static_cast<unsigned char>(byte)) * 1099511628211u;
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(print));
    return digits;
}

// A record as a Save writes it, replacing the three files of one set by
// those of another; the version before wrote no fingerprints.
std::string RecordOf(const Disk& before, const Disk& after, bool withPrints = true) {
    std::string record;
    for (const std::string_view name : kNames) {
        record += std::string(name) + " replaced";
        if (withPrints)
            record +=
                " " + Print(before.files.at(At(name))) + " " + Print(after.files.at(At(name)));
        record += "\r\n";
    }
    return record + "end\r\n";
}

TEST(FileSetModel, EveryStepSucceedingFailingCutHeldOrDeletedLeavesOneWholeSet) {
    const Disk earlier = LaunchFiles("earlier");
    const Disk fresh = LaunchFiles("new");
    const Disk none = [] {
        Disk disk;
        disk.files[At("DOOM2.WAD")] = "not ours";
        return disk;
    }();
    const Disk withoutScript = LaunchFiles("earlier", false);
    Disk sameScript = fresh; // a change that leaves qorvex.cfg as it was
    sameScript.files[At("qorvex.cfg")] = earlier.files.at(At("qorvex.cfg"));
    // A set-aside file and the record of an earlier Save that another program
    // holds, marked as over: never put back, nor in the way of a new change.
    const Disk older = LaunchFiles("older");
    const Disk stuck = With(earlier,
                            {{"qorvex.cfge0", older.files.at(At("qorvex.cfg"))},
                             {"qorvex.setc0", RecordOf(older, earlier)},
                             {"qorvex.setd0", ""}},
                            {"qorvex.cfge0", "qorvex.setc0"});
    // The version before cut short after its first move: its long names.
    const Disk legacy =
        With(earlier, {{"qorvex.rsp", fresh.files.at(At("qorvex.rsp"))},
                       {"qorvex.rsp.tarnwick-earlier", earlier.files.at(At("qorvex.rsp"))},
                       {"qorvex.cfg.tarnwick-new", fresh.files.at(At("qorvex.cfg"))},
                       {"qorvex.bat.tarnwick-new", fresh.files.at(At("qorvex.bat"))},
                       {"qorvex.tarnwick-commit", RecordOf(earlier, fresh, false)}});
    const Scenario scenarios[] = {
        {"Save over a set", earlier, earlier, fresh, SaveOf(fresh)},
        {"Save over a set without qorvex.cfg", withoutScript, withoutScript, fresh, SaveOf(fresh)},
        {"the first Save", none, none, fresh, SaveOf(fresh)},
        {"Save that leaves qorvex.cfg as it was", earlier, earlier, sameScript, SaveOf(sameScript)},
        {"Reset", earlier, earlier, none, Reset},
        {"Save after one whose leftovers stay", stuck, earlier, fresh, SaveOf(fresh), "L"},
        // Its record has no fingerprints: a file of it deleted by another
        // program cannot be told from one moved in.
        {"the start after a Save of the version before was cut short", legacy, earlier, fresh,
         Recover, "L"},
    };
    for (const Scenario& scenario : scenarios) {
        Explorer explorer(scenario);
        explorer.Explore();
        std::printf("%s: %llu sequences of outcomes, %zu runs, %zu states\n", scenario.what,
                    static_cast<unsigned long long>(explorer.sequences()), explorer.runs(),
                    explorer.disks());
        std::fflush(stdout);
    }
}

// The cases: a Save over the earlier set whose steps fail as chosen
// (by what they do), then the next start, which leaves the earlier set
// whole, as the error box said, and says what it decided (nothing, where the
// error box said it all). The error keeps its type.
template <class Raised = IoError>
void ExpectEarlierSetAfter(const std::function<char(const std::string& step)>& choose,
                           Recovery atTheStart) {
    SteppedPlatform platform(LaunchFiles("earlier"), "");
    platform.choose = choose;
    try {
        SaveOf(LaunchFiles("new"))(platform);
        ADD_FAILURE() << "the save succeeded";
    } catch (const Raised& error) {
        EXPECT_EQ(WhatItSays(error.what()), Said::Earlier) << error.what();
    } catch (const PowerCut&) {
    }
    SteppedPlatform start(platform.disk(), "");
    EXPECT_EQ(Recover(start).said.recovery, atTheStart);
    EXPECT_EQ(Listing(start.disk()), Listing(LaunchFiles("earlier")));
}

std::function<char(const std::string&)> Failing(std::set<std::string> steps, char how = 'F') {
    return [steps, how](const std::string& step) { return steps.contains(step) ? how : 'S'; };
}

TEST(FileSetModel, NewScriptThatCannotBeMovedInNorDeletedNeverJoinsTheEarlierSet) {
    ExpectEarlierSetAfter(Failing({"move qorvex.cfgn0 to qorvex.cfg", "delete qorvex.cfgn0"}),
                          Recovery::None);
}

TEST(FileSetModel, EarlierResponseFileThatCannotBePutBackIsPutBackByTheNextStart) {
    ExpectEarlierSetAfter(
        Failing({"move qorvex.cfgn0 to qorvex.cfg", "move qorvex.rspe0 to qorvex.rsp"}),
        Recovery::EarlierSetKept);
}

TEST(FileSetModel, HalfWrittenBatchFileThatCannotBeDeletedNeverComesIn) {
    ExpectEarlierSetAfter(Failing({"write qorvex.batn0", "delete qorvex.batn0"}), Recovery::None);
}

TEST(FileSetModel, ErrorOfAnotherKindKeepsItsKindWhenItSaysWhichSetStands) {
    ExpectEarlierSetAfter<UnusablePathError>(
        Failing({"move qorvex.cfgn0 to qorvex.cfg", "delete qorvex.cfgn0"}, 'P'), Recovery::None);
}

TEST(FileSetModel, PowerCutAfterTheFirstChangeOfTheUndoKeepsTheEarlierSet) {
    bool failed = false;
    ExpectEarlierSetAfter(
        [&failed](const std::string& step) {
            if (failed) return step.starts_with("look for") ? 'S' : 'C';
            failed = step == "move qorvex.cfgn0 to qorvex.cfg";
            return failed ? 'F' : 'S';
        },
        Recovery::EarlierSetKept);
}

} // namespace
} // namespace tarnwick
