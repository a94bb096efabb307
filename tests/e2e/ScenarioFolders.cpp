#include "ScenarioFolders.h"

#include <windows.h>

#include <stdexcept>

namespace tarnwick::e2e {

void ScenarioFolders::AddFile(const std::string& folder, std::string_view name) {
    const std::string path = folder + "\\" + std::string(name);
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + path);
    CloseHandle(file);
}

} // namespace tarnwick::e2e
