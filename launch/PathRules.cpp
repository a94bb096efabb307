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

std::string ResolvedFrom(const AnsiCodePage& codePage, std::string_view folder,
                         std::string_view path) {
    // Both bytes looked at begin a character: ':' is never a second byte.
    if (path.empty() || path[0] == '\\' || path[0] == '/' || (path.size() > 1 && path[1] == ':'))
        return std::string(path);
    return InFolder(codePage, folder, path);
}

std::string_view FileNameOf(const AnsiCodePage& codePage, std::string_view path) {
    std::size_t start = 0;
    for (std::size_t at = 0; at < path.size(); at = codePage.NextCharacter(path, at))
        if (path[at] == '\\' || path[at] == '/' || path[at] == ':') start = at + 1;
    return path.substr(start);
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
