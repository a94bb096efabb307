// The launch logic's seam, implemented with the Win32 API.
#pragma once

#include "Platform.h"
#include "Win32Error.h"

#include <cstdint>
#include <string_view>

namespace tarnwick {

class Win32Platform : public Platform {
  public:
    Win32Platform();

    std::string CurrentDirectory() override;
    void ChangeDirectory(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool PathExists(const std::string& path) override;
    bool FileIsThere(const std::string& path) override;
    void ListMatches(const std::string& pattern,
                     const std::function<void(std::string_view name)>& onName) override;
    FileObstacle WhatStopsReplacing(const std::string& path) override;
    std::string ReadFile(const std::string& path) override;
    std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t limit) override;
    void WriteFile(const std::string& path, std::string_view bytes) override;
    void MoveReplacing(const std::string& from, const std::string& to) override;
    void RemoveFile(const std::string& path) override;
    bool OnNetwork(const std::string& path) override;
    std::unique_ptr<Lookup> RunFor(std::unique_ptr<Lookup> lookup,
                                   std::chrono::milliseconds wait) override;
    std::unique_ptr<ExclusiveHold> HoldExclusively(const std::string& path,
                                                   std::chrono::milliseconds patience) override;
    std::string FindOnPath(const std::string& name) override;
    std::string GetEnvironment(const std::string& name) override;
    void SetEnvironment(const std::string& name, const std::string& value) override;
    std::string RegistryString(RegistryRoot root, std::string_view key,
                               std::string_view value) override;
    const AnsiCodePage& CodePage() const override { return codePage_; }
    std::optional<std::string> FromAnsi(std::string_view text, TextEncoding to) override;
    std::string ToAnsi(std::string_view text, TextEncoding from, bool& lost) override;
    void StartHidden(const std::string& commandLine) override;
    void StartProgram(const std::string& program, const std::string& commandLine,
                      const std::string& folder, const std::string& variable,
                      const std::string& value) override;

  private:
    AnsiCodePage codePage_;
};

} // namespace tarnwick
