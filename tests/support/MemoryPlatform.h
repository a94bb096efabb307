// A Platform whose files live in memory, so that the native tests (the model
// of the file operations, the reader's fuzzer) exercise the launch logic
// without touching a disk.
#pragma once

#include "Platform.h"

#include <map>
#include <set>
#include <string>

namespace tarnwick {

class MemoryPlatform : public Platform {
  public:
    std::map<std::string, std::string> files;
    std::set<std::string> unreadable; // ReadFile raises IoError for these
    std::map<std::string, std::string> environment;
    std::string currentDirectory = "C:\\START";

    std::string CurrentDirectory() override { return currentDirectory; }
    void ChangeDirectory(const std::string& path) override { currentDirectory = path; }
    bool FileExists(const std::string& path) override { return files.contains(path); }
    // Its only folders are the current one and the WAD folder the fuzzer names.
    std::set<std::string> folders{"C:\\START", "C:\\WADS"};
    bool PathExists(const std::string& path) override {
        return FileExists(path) || folders.contains(path);
    }
    bool FileIsThere(const std::string& path) override { return files.contains(path); }
    void ListMatches(const std::string& pattern,
                     const std::function<void(std::string_view name)>& onName) override;
    FileObstacle WhatStopsReplacing(const std::string&) override { return FileObstacle::None; }
    std::string ReadFile(const std::string& path) override;
    std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t limit) override;
    void WriteFile(const std::string& path, std::string_view bytes) override {
        files[path] = std::string(bytes);
    }
    void MoveReplacing(const std::string& from, const std::string& to) override;
    void RemoveFile(const std::string& path) override;
    bool OnNetwork(const std::string&) override { return false; }
    std::unique_ptr<Lookup> RunFor(std::unique_ptr<Lookup> lookup,
                                   std::chrono::milliseconds) override {
        lookup->Run(*this);
        return lookup;
    }
    // One program alone: the folder is never held by another.
    std::unique_ptr<ExclusiveHold> HoldExclusively(const std::string&,
                                                   std::chrono::milliseconds) override {
        return std::make_unique<ExclusiveHold>();
    }
    std::string FindOnPath(const std::string&) override { return {}; }
    std::string GetEnvironment(const std::string& name) override;
    void SetEnvironment(const std::string& name, const std::string& value) override {
        environment[name] = value;
    }
    std::string RegistryString(RegistryRoot, std::string_view, std::string_view) override {
        return {};
    }
    AnsiCodePage codePage; // single-byte unless a test gives lead bytes
    const AnsiCodePage& CodePage() const override { return codePage; }
    // ANSI is taken for Latin-1 and the OEM code page for plain ASCII.
    std::optional<std::string> FromAnsi(std::string_view text, TextEncoding to) override;
    std::string ToAnsi(std::string_view text, TextEncoding from, bool& lost) override;
    void StartHidden(const std::string&) override {}
    void StartProgram(const std::string&, const std::string&, const std::string&,
                      const std::string&, const std::string&) override {}
};

} // namespace tarnwick
