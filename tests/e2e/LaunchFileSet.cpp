#include "LaunchFileSet.h"

#include "TempFolder.h"

#include <windows.h>

#include <stdexcept>

namespace tarnwick::e2e {
namespace {

constexpr const char* kNames[] = {"qorvex.rsp", "qorvex.cfg", "qorvex.bat"};

} // namespace

void WriteBytes(const std::string& path, const std::string& bytes) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
    DWORD written = 0;
    const BOOL done =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (!done || written != bytes.size()) throw std::runtime_error("cannot write " + path);
}

std::string CrLfLines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

LaunchFileSet ReadLaunchFileSet(const std::string& folder) {
    return {testing::FileText(folder + "\\qorvex.rsp"), testing::FileText(folder + "\\qorvex.cfg"),
            testing::FileText(folder + "\\qorvex.bat")};
}

void WriteLaunchFileSet(const std::string& folder, const LaunchFileSet& files) {
    WriteBytes(folder + "\\qorvex.rsp", files.rsp);
    WriteBytes(folder + "\\qorvex.cfg", files.cfg);
    WriteBytes(folder + "\\qorvex.bat", files.bat);
}

bool AnyLaunchFileExists(const std::string& folder) {
    for (const char* name : kNames)
        if (GetFileAttributesA((folder + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
    return false;
}

} // namespace tarnwick::e2e
