// Reaching the Unix side from a test that runs under Wine: to make a file one
// that the system refuses to replace, to run the real source ports on the
// files the launcher writes, and to give real keyboard and mouse input.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace tarnwick::testing {

// True when the tests run under Wine.
bool UnderWine();

// The Unix path of a Windows path, by Wine's own mapping; empty when there is
// none (not under Wine).
std::string UnixPath(const std::string& windowsPath);

// The text as one word of the shell, taken literally.
std::string ShellWord(const std::string& text);

// Runs a command with /bin/sh on the Unix side and waits for its end; its exit
// status, or nothing when it did not end in time.
std::optional<int> RunUnixCommand(const std::string& command,
                                  std::chrono::milliseconds patience = std::chrono::seconds(60));

// A file with the immutable attribute (chattr +i) for the object's lifetime:
// writing, renaming and replacing it then fail even for root, under whom
// neither read-only attributes nor permissions stop Wine. The attribute is
// removed again however the test ends, or the build tree could not be deleted.
class ImmutableFile {
  public:
    explicit ImmutableFile(const std::string& windowsPath);
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;
    ~ImmutableFile();

  private:
    std::string unixPath_;
};

} // namespace tarnwick::testing
