#include "UnixCommand.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace tarnwick::testing {
namespace {

// Wine's own export, absent on Windows; the result is freed with HeapFree.
using UnixFileNameFunction = char*(CDECL*)(const wchar_t*);

std::string Chattr(const std::string& flag, const std::string& unixPath) {
    return "chattr " + flag + " " + ShellWord(unixPath);
}

// One argument of a Windows command line, as Wine splits it for a Unix
// program: in double quotes, with the quotes inside and the backslashes
// before them escaped.
std::string CommandLineArgument(const std::string& text) {
    std::string argument = "\"";
    std::size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        argument.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        argument += c;
        backslashes = 0;
    }
    argument.append(2 * backslashes, '\\');
    return argument + "\"";
}

} // namespace

bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::string UnixPath(const std::string& windowsPath) {
    const FARPROC found =
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    if (found == nullptr) return {};
    const auto convert = reinterpret_cast<UnixFileNameFunction>(reinterpret_cast<void*>(found));
    const int size = MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(), size);
    char* unixPath = convert(wide.c_str());
    if (unixPath == nullptr) return {};
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

std::string ShellWord(const std::string& text) {
    std::string word = "'";
    for (char c : text)
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

std::optional<int> RunUnixCommand(const std::string& command, std::chrono::milliseconds patience) {
    // Wine starts the shell natively, but the process handle it returns
    // neither waits for it nor gives its exit code: the command leaves its
    // status in a file, renamed into place once complete, which is polled.
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    static unsigned counter = 0;
    const std::string status = std::string(temp) + "tarnwick-unix-" +
                               std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(++counter) + ".status";
    const std::string unixStatus = UnixPath(status);
    if (unixStatus.empty()) throw std::runtime_error("Unix commands need Wine");
    std::string line =
        "Z:\\bin\\sh -c " +
        CommandLineArgument("(" + command + "); echo $? > " + ShellWord(unixStatus + ".part") +
                            " && mv " + ShellWord(unixStatus + ".part") + " " +
                            ShellWord(unixStatus));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw std::runtime_error("cannot start " + line);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    const auto end = std::chrono::steady_clock::now() + patience;
    while (GetFileAttributesA(status.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (std::chrono::steady_clock::now() > end) return std::nullopt;
        Sleep(5);
    }
    const HANDLE file = CreateFileA(status.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    char text[16] = "";
    DWORD read = 0;
    if (file != INVALID_HANDLE_VALUE) {
        ReadFile(file, text, sizeof text - 1, &read, nullptr);
        CloseHandle(file);
    }
    DeleteFileA(status.c_str());
    return std::atoi(text);
}

ImmutableFile::ImmutableFile(const std::string& windowsPath) : unixPath_(UnixPath(windowsPath)) {
    if (unixPath_.empty()) throw std::runtime_error("no Unix path for " + windowsPath);
    if (RunUnixCommand(Chattr("+i", unixPath_)) != 0) {
        RunUnixCommand(Chattr("-i", unixPath_));
        throw std::runtime_error("chattr +i failed on " + unixPath_);
    }
}

ImmutableFile::~ImmutableFile() {
    try {
        if (RunUnixCommand(Chattr("-i", unixPath_)) == 0) return;
    } catch (const std::exception&) {
    }
    std::fprintf(stderr, "cannot undo chattr +i on %s: run chattr -i on it\n", unixPath_.c_str());
}

} // namespace tarnwick::testing
