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

std::optional<std::string> MemoryPlatform::ReadSmallFile(const std::string& path,
                                                         std::size_t limit) {
    std::string bytes = ReadFile(path);
    if (bytes.size() > limit) return std::nullopt;
    return bytes;
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

std::optional<std::string> MemoryPlatform::FromAnsi(std::string_view text, TextEncoding to) {
    std::string result;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80 || to == TextEncoding::Ansi) {
            result += c;
        } else if (to == TextEncoding::Oem) {
            return std::nullopt;
        } else {
            result += static_cast<char>(0xC0 | (byte >> 6));
            result += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return result;
}

std::string MemoryPlatform::ToAnsi(std::string_view text, TextEncoding from, bool& lost) {
    lost = false;
    if (from != TextEncoding::Utf8) return std::string(text);
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            result += text[i];
            continue;
        }
        const bool latin1 = (byte == 0xC2 || byte == 0xC3) && i + 1 < text.size();
        if (latin1) {
            result += static_cast<char>(((byte & 0x03) << 6) | (text[++i] & 0x3F));
            continue;
        }
        if ((byte & 0xC0) != 0x80) {
            result += '?'; // one character beyond Latin-1, whatever its length
            lost = true;
        }
    }
    return result;
}

} // namespace tarnwick
