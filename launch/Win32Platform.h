// The launch logic's seam, implemented with the Win32 API.
#pragma once

#include "LaunchErrors.h"
#include "Platform.h"

#include <cstdint>
#include <string_view>

namespace tarnwick {

// The system's message text for an error code, without the trailing line end.
std::string SystemMessage(std::uint32_t code);

// IoError for an error code, with the system's message text.
IoError SystemError(std::uint32_t code);

// A name from the system's wide functions as this program's ANSI text: "?"
// for each character that the ANSI code page lacks (never a look-alike, which
// could name another file), as the system's own 8-bit functions show it.
std::string AnsiFromWide(std::wstring_view text);
// ANSI text for the system's wide functions.
std::wstring WideFromAnsi(std::string_view text);

class Win32Platform final : public Platform {
  public:
    std::string CurrentDirectory() override;
    void ChangeDirectory(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    void ListMatches(const std::string& pattern,
                     const std::function<void(std::string_view name)>& onName) override;
    std::string ReadFile(const std::string& path) override;
    void WriteFile(const std::string& path, std::string_view bytes) override;
    void MoveReplacing(const std::string& from, const std::string& to) override;
    void RemoveFile(const std::string& path) override;
    std::string GetEnvironment(const std::string& name) override;
    void SetEnvironment(const std::string& name, const std::string& value) override;
    std::optional<std::string> FromAnsi(std::string_view text, TextEncoding to) override;
    std::string ToAnsi(std::string_view text, TextEncoding from, bool& lost) override;
    void StartHidden(const std::string& commandLine) override;
};

} // namespace tarnwick
