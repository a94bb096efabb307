#include "MemoryPlatform.h"

#include "LaunchErrors.h"

#include <algorithm>
#include <cctype>

namespace tarnwick {

namespace {
constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kAccessDenied = 5;

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(), text.end() - static_cast<long>(ending.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}
} // namespace

// Only the "<folder>\*.ext" patterns of the scans occur; every file with that
// extension matches, wherever the pattern points.
void MemoryPlatform::ListMatches(const std::string& pattern,
                                 const std::function<void(std::string_view name)>& onName) {
    const std::size_t star = pattern.rfind('*');
    if (star == std::string::npos) return;
    const std::string_view ending = std::string_view(pattern).substr(star + 1);
    for (const auto& file : files)
        if (EndsWithIgnoringCase(file.first, ending)) onName(file.first);
}

std::string MemoryPlatform::ReadFile(const std::string& path) {
    if (unreadable.contains(path)) throw IoError(kAccessDenied, "Access is denied.");
    const auto file = files.find(path);
    if (file == files.end()) throw IoError(kFileNotFound, "The system cannot find the file.");
    return file->second;
}

void MemoryPlatform::MoveReplacing(const std::string& from, const std::string& to) {
    files[to] = ReadFile(from);
    files.erase(from);
}

void MemoryPlatform::RemoveFile(const std::string& path) {
    if (files.erase(path) == 0) throw IoError(kFileNotFound, "The system cannot find the file.");
}

std::string MemoryPlatform::GetEnvironment(const std::string& name) {
    const auto variable = environment.find(name);
    return variable == environment.end() ? std::string() : variable->second;
}

} // namespace tarnwick
