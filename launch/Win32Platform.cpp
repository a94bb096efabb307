#include "Win32Platform.h"

#include <windows.h>

#include <utility>

namespace tarnwick {
namespace {

IoError LastError() { return SystemError(GetLastError()); }

// Owns a handle from CreateFileA; closing is checked by Close() where a
// failed close means lost data.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (valid()) CloseHandle(handle_);
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    void Close() {
        const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
        if (!CloseHandle(handle)) throw LastError();
    }

  private:
    HANDLE handle_;
};

class FindHandle {
  public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

// WinExec reports failures as small numbers, most of them system error codes.
std::uint32_t WinExecErrorCode(UINT result) {
    return result == 0 ? ERROR_NOT_ENOUGH_MEMORY : static_cast<std::uint32_t>(result);
}

} // namespace

std::string SystemMessage(std::uint32_t code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string message;
    if (length != 0 && buffer != nullptr) message.assign(buffer, length);
    if (buffer != nullptr) LocalFree(buffer);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    if (message.empty()) message = "System error " + std::to_string(code);
    return message;
}

IoError SystemError(std::uint32_t code) { return IoError(code, SystemMessage(code)); }

std::string Win32Platform::CurrentDirectory() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(path.size()), path.data());
        if (length == 0) throw LastError();
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length);
    }
}

void Win32Platform::ChangeDirectory(const std::string& path) {
    if (!SetCurrentDirectoryA(path.c_str())) throw LastError();
}

bool Win32Platform::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void Win32Platform::ListMatches(const std::string& pattern,
                                const std::function<void(std::string_view name)>& onName) {
    WIN32_FIND_DATAA entry;
    FindHandle find(FindFirstFileA(pattern.c_str(), &entry));
    if (!find.valid()) return;
    do {
        onName(entry.cFileName);
    } while (FindNextFileA(find.get(), &entry));
}

std::string Win32Platform::ReadFile(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) throw LastError();
    std::string bytes;
    char chunk[16384];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr)) throw LastError();
        if (read == 0) break;
        bytes.append(chunk, read);
    }
    file.Close();
    return bytes;
}

void Win32Platform::WriteFile(const std::string& path, std::string_view bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) throw LastError();
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(bytes.size());
        if (!::WriteFile(file.get(), bytes.data(), size, &written, nullptr)) throw LastError();
        bytes.remove_prefix(written);
    }
    file.Close();
}

void Win32Platform::MoveReplacing(const std::string& from, const std::string& to) {
    if (!MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) throw LastError();
}

void Win32Platform::RemoveFile(const std::string& path) {
    if (!::DeleteFileA(path.c_str())) throw LastError();
}

std::string Win32Platform::GetEnvironment(const std::string& name) {
    std::string value(256, '\0');
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        const DWORD length =
            GetEnvironmentVariableA(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (length == 0) return {}; // unset, or set to the empty text
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(length);
    }
}

void Win32Platform::SetEnvironment(const std::string& name, const std::string& value) {
    if (!SetEnvironmentVariableA(name.c_str(), value.c_str())) throw LastError();
}

void Win32Platform::StartHidden(const std::string& commandLine) {
    const UINT result = WinExec(commandLine.c_str(), SW_HIDE);
    if (result <= 31) throw SystemError(WinExecErrorCode(result));
}

} // namespace tarnwick
