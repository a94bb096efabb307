#include "FileDialogText.h"

namespace tarnwick::forms {

std::string DialogFilter(std::string_view filter) {
    std::string result(filter);
    for (char& c : result)
        if (c == '|') c = '\0';
    result.append(2, '\0');
    return result;
}

std::vector<std::string> ChosenFiles(std::string_view buffer) {
    std::vector<std::string> names;
    while (!buffer.empty() && buffer.front() != '\0') {
        const std::size_t end = buffer.find('\0');
        names.emplace_back(buffer.substr(0, end));
        if (end == std::string_view::npos) break;
        buffer.remove_prefix(end + 1);
    }
    if (names.size() <= 1) return names;
    const std::string folder = names.front();
    const char* separator = !folder.empty() && folder.back() == '\\' ? "" : "\\";
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < names.size(); ++i)
        paths.push_back(folder + separator + names[i]);
    return paths;
}

} // namespace tarnwick::forms
