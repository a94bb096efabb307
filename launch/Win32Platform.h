// The launch logic's seam, implemented with the Win32 API.
#pragma once

#include "LaunchErrors.h"
#include "Platform.h"

#include <cstdint>

namespace tarnwick {

// The system's message text for an error code, without the trailing line end.
std::string SystemMessage(std::uint32_t code);

// IoError for an error code, with the system's message text.
IoError SystemError(std::uint32_t code);

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
    void StartHidden(const std::string& commandLine) override;
};

} // namespace tarnwick
