#include "PathRules.h"

#include "ShownValue.h"

namespace tarnwick {
namespace {

constexpr std::string_view kLongPathPrefix = "\\\\?\\";

std::string TooLong(const AnsiCodePage& codePage, std::string_view what, std::string_view path,
                    std::size_t length, std::size_t longest, std::string_view units,
                    std::string_view taker) {
    std::string text = ShowingValue(codePage, what, path, "is ");
    text += std::to_string(length);
    text += units;
    text += " long; ";
    text += taker;
    text += " at most ";
    text += std::to_string(longest);
    text += units;
    text += " here. Choose a shorter path.";
    return text;
}

std::optional<std::string> Problem(const AnsiCodePage& codePage, std::string_view what,
                                   std::string_view path, std::size_t longest) {
    if (HasLostCharacter(path))
        return ShowingValue(codePage, what, path,
                            "holds characters that the system's code page for programs that are "
                            "not Unicode lacks (shown as \"?\"), so this program cannot pass it "
                            "on. Rename it, or choose another one, with letters of that code "
                            "page.");
    if (const std::size_t length = codePage.Characters(path); length > longest)
        return TooLong(codePage, what, path, length, longest, " characters",
                       "this program and most source ports take");
    return std::nullopt;
}

} // namespace

UnusableTextError LostCharactersRefusal(const AnsiCodePage& codePage, std::string_view what,
                                        std::string_view text, std::string_view utf8,
                                        std::string_view after) {
    const std::string lacks =
        std::string("holds characters that the system's code page for programs "
                    "that are not Unicode lacks, so this program cannot take it. "
                    "Use letters of that code page only.") += after;
    // The words around the text are ASCII, the same in UTF-8.
    return UnusableTextError(ShowingValue(codePage, what, text, lacks),
                             ShowingValue(AnsiCodePage::Utf8(), what, utf8, lacks));
}

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

std::optional<std::string> PortBufferProblem(const AnsiCodePage& codePage, std::string_view port,
                                             std::string_view what, std::string_view path,
                                             std::size_t longest) {
    if (path.size() <= longest) return std::nullopt;
    return TooLong(codePage, what, path, path.size(), longest, " bytes",
                   std::string(port) += " (which counts a double-byte character as two) takes");
}

} // namespace tarnwick
