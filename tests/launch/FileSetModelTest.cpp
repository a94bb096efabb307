// Every way a replacement of the launch files can go, in a model of the file
// operations: each step of a Save or a Reset, of its undo and of the recovery
// at the next two starts may succeed, fail, or be the last before a power cut.
// Whatever the steps did, the recovery leaves the earlier set or the new one,
// byte for byte, and the one that an error box said it would.
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
#include <vector>

namespace tarnwick {
namespace {

// The outcome of each step in turn, one letter a step: S succeeds, F fails,
// C is the last before a power cut. Steps beyond the script succeed. (P, for
// a chosen step, fails with an error of another kind than the system's.)
using Script = std::string;

// What is on the disk: the files, and those whose bytes were never flushed.
struct Disk {
    std::map<std::string, std::string> files;
    std::set<std::string> unflushed;
    auto operator<=>(const Disk&) const = default;
};

struct PowerCut {}; // not an error the product could take for one of its own

const std::string kFolder = "C:\\START";
std::string At(std::string_view name) { return kFolder + "\\" + std::string(name); }

// MemoryPlatform with every file operation a step whose outcome the script
// chooses. A write is two steps, the bytes and their flush; a failed write
// leaves half of them, and a power cut leaves half of every file not flushed.
// Renames and deletions are journaled in order, so losing the last of them to
// a power cut is the same as a cut before them.
class SteppedPlatform final : public MemoryPlatform {
  public:
    SteppedPlatform(const Disk& disk, Script script, bool logging = false)
        : script_(std::move(script)), logging_(logging), unflushed_(disk.unflushed) {
        files = disk.files;
    }
    Disk disk() const { return {files, unflushed_}; }
    std::size_t steps() const { return steps_; }
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
        if (outcome == 'F') throw IoError(5, "Access is denied.");
        const bool there = files.contains(path);
        End(outcome);
        return there;
    }
    std::string ReadFile(const std::string& path) override {
        const char outcome = Begin("read", path);
        Need(path, outcome);
        const std::string bytes = files[path];
        End(outcome);
        return bytes;
    }
    void WriteFile(const std::string& path, std::string_view bytes) override {
        char outcome = Begin("write", path);
        files[path] = outcome == 'F' ? bytes.substr(0, bytes.size() / 2) : bytes;
        unflushed_.insert(path);
        if (outcome == 'F') throw IoError(112, "There is not enough space on the disk.");
        End(outcome);
        outcome = Begin("flush", path);
        Need(path, outcome);
        unflushed_.erase(path);
        End(outcome);
    }
    void MoveReplacing(const std::string& from, const std::string& to) override {
        const char outcome = Begin("move", from + " to " + to);
        Need(from, outcome);
        files[to] = files[from];
        files.erase(from);
        if (unflushed_.erase(from) != 0)
            unflushed_.insert(to);
        else
            unflushed_.erase(to);
        End(outcome);
    }
    void RemoveFile(const std::string& path) override {
        const char outcome = Begin("delete", path);
        Need(path, outcome);
        files.erase(path);
        unflushed_.erase(path);
        End(outcome);
    }

  private:
    char Begin(std::string_view what, const std::string& path) {
        if (cut_) throw PowerCut{};
        char outcome = steps_ < script_.size() ? script_[steps_] : 'S';
        ++steps_;
        if (!logging_ && !choose) return outcome;
        std::string step = std::string(what) + " " + path;
        for (std::size_t at; (at = step.find(kFolder + "\\")) != std::string::npos;)
            step.erase(at, kFolder.size() + 1);
        if (choose) outcome = choose(step);
        log_ += "  " + step +
                (outcome == 'S'   ? ""
                 : outcome == 'C' ? ": power cut after it"
                                  : ": fails") +
                "\n";
        return outcome;
    }
    // A step that fails, or whose file is missing, raises.
    void Need(const std::string& path, char outcome) {
        if (outcome == 'F') throw IoError(5, "Access is denied.");
        if (outcome == 'P') throw UnusablePathError("The path is too long.");
        if (files.contains(path)) return;
        End(outcome);
        throw IoError(2, "The system cannot find the file specified.");
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
    std::size_t steps_ = 0;
    bool cut_ = false;
    std::string log_;
};

struct Run {
    Disk disk;
    bool cut = false;
    std::optional<std::string> error;
    std::optional<Recovery> recovery;
};

// The files by name, each cut short or whole, for a failure's message.
std::string Listing(const Disk& disk) {
    std::string text;
    for (const auto& [path, bytes] : disk.files)
        text += "  " + path.substr(kFolder.size() + 1) + ": " + bytes.substr(0, bytes.find('\r')) +
                (bytes.ends_with("\r\n") || path.ends_with(".WAD") ? "" : " (cut short)") + "\n";
    return text;
}

using Phase = std::function<std::optional<Recovery>(Platform&)>;

Run RunPhase(const Disk& start, const Phase& phase, const Script& script, std::size_t* steps,
             std::string* log = nullptr) {
    SteppedPlatform platform(start, script, log != nullptr);
    Run run;
    try {
        run.recovery = phase(platform);
    } catch (const IoError& error) {
        run.error = error.what();
    } catch (const PowerCut&) {
    }
    run.cut = platform.cut();
    run.disk = platform.disk();
    if (steps) *steps = platform.steps();
    if (log) *log = platform.log();
    return run;
}

// Runs the phase once for every sequence of outcomes of its steps.
void EachRun(const Disk& start, const Phase& phase,
             const std::function<void(const Script&, const Run&)>& onRun) {
    std::vector<Script> todo{Script()};
    while (!todo.empty()) {
        const Script script = std::move(todo.back());
        todo.pop_back();
        std::size_t steps = 0;
        const Run run = RunPhase(start, phase, script, &steps);
        for (std::size_t at = script.size(); at < steps; ++at)
            for (const char outcome : {'F', 'C'})
                todo.push_back(script + std::string(at - script.size(), 'S') + outcome);
        onRun(script, run);
    }
}

constexpr auto kNames = kLaunchFilesInSaveOrder;

std::optional<Recovery> Recover(Platform& platform) {
    return RecoverFileSet(platform, kFolder, kNames);
}

enum class Set { Earlier, New };

struct Scenario {
    const char* what;
    Disk before;
    Disk after;
    Phase operation;
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
    return [after](Platform& platform) -> std::optional<Recovery> {
        std::vector<std::string> bytes;
        for (const std::string_view name : kNames)
            bytes.push_back(after.files.at(At(name)));
        const NewFile files[] = {
            {kNames[0], bytes[0]}, {kNames[1], bytes[1]}, {kNames[2], bytes[2]}};
        ReplaceFileSet(platform, kFolder, files);
        return std::nullopt;
    };
}

std::optional<Recovery> Reset(Platform& platform) {
    RemoveFileSet(platform, kFolder, kNames);
    return std::nullopt;
}

// One part of a history: the disk it began on, what ran, and the outcomes.
struct Step {
    Disk start;
    const char* what;
    Phase phase;
    Script script;
};

// Explores one scenario: every run of the operation, then of two recoveries
// after it, each cut short or failing anywhere, then a recovery with nothing
// failing. Every state a step can leave is reached (by a cut right after the
// step), and its outcome checked once.
class Explorer {
  public:
    explicit Explorer(const Scenario& scenario) : scenario_(scenario) {}

    void Explore() {
        EachRun(scenario_.before, scenario_.operation, [&](const Script& script, const Run& run) {
            ++runs_;
            const std::vector<Step> history{
                {scenario_.before, scenario_.what, scenario_.operation, script}};
            if (!run.cut && !run.error && run.disk.files != scenario_.after.files)
                Problem(history, run.disk, "it succeeded, but the folder is not the new set");
            sequences_ += Follow(run.disk, 2, Promised(run, scenario_.before, history), history);
        });
    }

    std::size_t disks() const { return fates_.size(); }
    std::uint64_t sequences() const { return sequences_; }
    std::size_t runs() const { return runs_; }

  private:
    // The set a disk ends with: a recovery with nothing failing leaves it,
    // whole, says so when it had to decide, and leaves nothing to the next.
    Set Fate(const Disk& disk, const std::vector<Step>& history) {
        if (const auto known = fates_.find(disk); known != fates_.end()) return known->second;
        const Run run = RunPhase(disk, Recover, "", nullptr);
        Set set = Set::Earlier;
        if (run.error) {
            Problem(history, disk, "a recovery with nothing failing fails: " + *run.error);
        } else if (run.disk.files == scenario_.after.files) {
            set = Set::New;
        } else if (run.disk.files != scenario_.before.files) {
            Problem(history, run.disk, "the recovery leaves neither set whole");
        }
        if (run.recovery == Recovery::None && InPlace(disk) != InPlace(run.disk))
            Problem(history, run.disk, "the recovery changed the files and says nothing");
        if (run.recovery == Recovery::NewSetKept && set != Set::New)
            Problem(history, run.disk, "the recovery says the new set stands; it does not");
        if (run.recovery == Recovery::EarlierSetKept && set != Set::Earlier)
            Problem(history, run.disk, "the recovery says the earlier set stands; it does not");
        const Run again = RunPhase(run.disk, Recover, "", nullptr);
        if (again.recovery != Recovery::None || again.disk != run.disk)
            Problem(history, again.disk, "a second recovery has more to say or do");
        fates_[disk] = set;
        return set;
    }

    std::vector<std::optional<std::string>> InPlace(const Disk& disk) const {
        std::vector<std::optional<std::string>> files;
        for (const std::string_view name : kNames) {
            const auto file = disk.files.find(At(name));
            files.push_back(file == disk.files.end() ? std::nullopt : std::optional(file->second));
        }
        return files;
    }

    // The set that the error box of a run (not cut short) said will stand.
    std::optional<Set> Promised(const Run& run, const Disk& start,
                                const std::vector<Step>& history) {
        if (run.cut || !run.error) return std::nullopt;
        switch (WhatItSays(*run.error)) {
        case Said::Unchanged:
            if (run.disk.files != start.files)
                Problem(history, run.disk, "the error box says nothing changed; files did");
            return std::nullopt;
        case Said::Earlier:
            return Set::Earlier;
        case Said::New:
            return Set::New;
        case Said::InPlace:
            if (InPlace(run.disk) == InPlace(scenario_.before)) return Set::Earlier;
            if (InPlace(run.disk) == InPlace(scenario_.after)) return Set::New;
            Problem(history, run.disk, "the error box says the files in place stand: a mixed set");
            return std::nullopt;
        case Said::Nothing:
            break;
        }
        Problem(history, run.disk, "the error box does not say which set will stand");
        return std::nullopt;
    }

    // Checks the disk and every way the recoveries left can go from it;
    // gives the number of those ways.
    std::uint64_t Follow(const Disk& disk, int recoveries, std::optional<Set> promised,
                         const std::vector<Step>& history) {
        const Set fate = Fate(disk, history);
        if (promised && *promised != fate)
            Problem(history, disk, "the error box said the other set would stand");
        if (recoveries == 0) return 1;
        if (const auto known = ways_.find({disk, recoveries}); known != ways_.end())
            return known->second;
        std::uint64_t ways = 0;
        EachRun(disk, Recover, [&](const Script& script, const Run& run) {
            ++runs_;
            std::vector<Step> longer = history;
            longer.push_back({disk, "the next start", Recover, script});
            if (Fate(run.disk, longer) != fate)
                Problem(longer, run.disk, "this recovery changed which set the disk ends with");
            ways += Follow(run.disk, recoveries - 1, Promised(run, disk, longer), longer);
        });
        ways_[{disk, recoveries}] = ways;
        return ways;
    }

    void Problem(const std::vector<Step>& history, const Disk& disk, const std::string& what) {
        if (++problems_ > 10) return;
        std::string text = std::string(scenario_.what) + ": " + what + "\n";
        for (const Step& step : history) {
            std::string log;
            const Run run = RunPhase(step.start, step.phase, step.script, nullptr, &log);
            text += std::string(step.what) + (run.error ? " (error box: " + *run.error + ")" : "") +
                    "\n" + log;
        }
        ADD_FAILURE() << text << "leaving:\n" << Listing(disk);
    }

    const Scenario& scenario_;
    std::map<Disk, Set> fates_;
    std::map<std::pair<Disk, int>, std::uint64_t> ways_;
    std::uint64_t sequences_ = 0;
    std::size_t runs_ = 0;
    int problems_ = 0;
};

TEST(FileSetModel, EveryStepSucceedingFailingOrCutLeavesOneWholeSet) {
    const Disk earlier = LaunchFiles("earlier");
    const Disk fresh = LaunchFiles("new");
    const Disk none = [] {
        Disk disk;
        disk.files[At("DOOM2.WAD")] = "not ours";
        return disk;
    }();
    const Scenario scenarios[] = {
        {"Save over a set", earlier, fresh, SaveOf(fresh)},
        {"Save over a set without qorvex.cfg", LaunchFiles("earlier", false), fresh, SaveOf(fresh)},
        {"the first Save", none, fresh, SaveOf(fresh)},
        {"Reset", earlier, none, Reset},
    };
    for (const Scenario& scenario : scenarios) {
        Explorer explorer(scenario);
        explorer.Explore();
        std::printf("%s: %llu sequences of outcomes, %zu runs, %zu states\n", scenario.what,
                    static_cast<unsigned long long>(explorer.sequences()), explorer.runs(),
                    explorer.disks());
    }
}

// The cases: a Save over the earlier set whose steps fail as chosen
// (by what they do), then the next start, which says that the earlier set
// stands and leaves it whole, as the error box said. The error keeps its type.
template <class Raised = IoError>
void ExpectEarlierSetAfter(const std::function<char(const std::string& step)>& choose) {
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
    EXPECT_EQ(Recover(start), Recovery::EarlierSetKept);
    EXPECT_EQ(Listing(start.disk()), Listing(LaunchFiles("earlier")));
}

std::function<char(const std::string&)> Failing(std::set<std::string> steps, char how = 'F') {
    return [steps, how](const std::string& step) { return steps.contains(step) ? how : 'S'; };
}

TEST(FileSetModel, NewScriptThatCannotBeMovedInNorDeletedNeverJoinsTheEarlierSet) {
    ExpectEarlierSetAfter(
        Failing({"move qorvex.cfg.tarnwick-new to qorvex.cfg", "delete qorvex.cfg.tarnwick-new"}));
}

TEST(FileSetModel, EarlierResponseFileThatCannotBePutBackIsPutBackByTheNextStart) {
    ExpectEarlierSetAfter(Failing({"move qorvex.cfg.tarnwick-new to qorvex.cfg",
                                   "move qorvex.rsp.tarnwick-earlier to qorvex.rsp"}));
}

TEST(FileSetModel, HalfWrittenBatchFileThatCannotBeDeletedNeverComesIn) {
    ExpectEarlierSetAfter(
        Failing({"write qorvex.bat.tarnwick-new", "delete qorvex.bat.tarnwick-new"}));
}

TEST(FileSetModel, ErrorOfAnotherKindKeepsItsKindWhenItSaysWhichSetStands) {
    ExpectEarlierSetAfter<UnusablePathError>(Failing(
        {"move qorvex.cfg.tarnwick-new to qorvex.cfg", "delete qorvex.cfg.tarnwick-new"}, 'P'));
}

TEST(FileSetModel, PowerCutAfterTheFirstChangeOfTheUndoKeepsTheEarlierSet) {
    bool failed = false;
    ExpectEarlierSetAfter([&failed](const std::string& step) {
        if (failed) return step.starts_with("look for") ? 'S' : 'C';
        failed = step == "move qorvex.cfg.tarnwick-new to qorvex.cfg";
        return failed ? 'F' : 'S';
    });
}

} // namespace
} // namespace tarnwick
