#include "ProgramSearch.h"

#include "PathRules.h"

namespace tarnwick {

std::string FindProgram(Platform& platform, std::string_view folder, std::string_view name) {
    const std::string path = ResolvedFrom(platform.CodePage(), folder, name);
    if (name.empty() || platform.FileExists(path)) return path;
    if (FileNameOf(platform.CodePage(), name).size() != name.size()) return {};
    return platform.FindOnPath(std::string(name));
}

} // namespace tarnwick
