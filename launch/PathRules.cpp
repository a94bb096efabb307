#include "PathRules.h"

#include "ShownValue.h"

namespace tarnwick {
namespace {

constexpr std::string_view kLongPathPrefix = "\\\\?\\";

std::optional<std::string> Problem(const AnsiCodePage& codePage, std::string_view what,
                                   std::string_view path, std::size_t longest) {
    if (HasLostCharacter(path))
        return std::string(what) + "\n" + ShownValue(path) +
               "\nholds characters that the system's code page for programs that are not "
               "Unicode lacks (shown as \"?\"), so this program cannot pass it on. Rename it, "
               "or choose another one, with letters of that code page.";
    if (const std::size_t length = codePage.Characters(path); length > longest)
        return std::string(what) + "\n" + ShownValue(path) + "\nis " + std::to_string(length) +
               " characters long; this program and most source ports take at most " +
               std::to_string(longest) + " characters here. Choose a shorter path.";
    return std::nullopt;
}

} // namespace

std::string InFolder(const AnsiCodePage& codePage, std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!codePage.EndsWithSeparator(path)) path += '\\';
    path += name;
    return path;
}

std::string FromStartFolder(const AnsiCodePage& codePage, std::string_view startDir,
                            std::string_view path) {
    const auto separator = [](char c) { return c == '\\' || c == '/'; };
    if (path.empty() || !separator(path[0]))
        return path.size() >= 2 && path[1] == ':' ? std::string(path)
                                                  : InFolder(codePage, startDir, path);
    // On the start folder's drive; a network or device path as it stands.
    const bool onDrive =
        (path.size() < 2 || !separator(path[1])) && startDir.size() >= 2 && startDir[1] == ':';
    return std::string(startDir.substr(0, onDrive ? 2 : 0)) + std::string(path);
}

bool HasLostCharacter(std::string_view path) {
    if (path.starts_with(kLongPathPrefix)) path.remove_prefix(kLongPathPrefix.size());
    return path.find('?') != std::string_view::npos;
}

std::optional<std::string> FilePathProblem(const AnsiCodePage& codePage, std::string_view what,
                                           std::string_view path) {
    return Problem(codePage, what, path, kLongestPath);
}

std::optional<std::string> FolderProblem(const AnsiCodePage& codePage, std::string_view what,
                                         std::string_view folder) {
    return Problem(codePage, what, folder, kLongestFolder);
}

} // namespace tarnwick
