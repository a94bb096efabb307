#include "ProgramSearch.h"

#include "PathRules.h"

namespace tarnwick {

std::string FindProgram(Platform& platform, std::string_view folder, std::string_view name) {
    if (name.empty()) return {};
    const std::string path = FromStartFolder(platform.CodePage(), folder, name);
    if (platform.FileExists(path)) return path;
    if (FileNameOf(platform.CodePage(), name).size() != name.size()) return {};
    return platform.FindOnPath(std::string(name));
}

} // namespace tarnwick
