#include "Win32Platform.h"

#include "AnsiText.h"
#include "AppendParts.h"
#include "OwnedHandle.h"
#include "ShownValue.h"
#include "PathRules.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <memory>

namespace tarnwick {
namespace {

IoError LastError() { return SystemError(GetLastError()); }

// The full path of a name, for a message: a bare name does not say where.
std::string FullPath(const std::string& path) {
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length != 0 && length < MAX_PATH ? std::string(full, length) : path;
}

// The error of a failed file operation, naming the file as a full path (and
// where a move went): the system's text alone does not say which file.
IoError FailureOf(std::string_view doing, const std::string& path,
                  const std::string* to = nullptr) {
    const DWORD code = GetLastError();
    std::string what(doing);
    AppendParts(what, {" ", FullPath(path)});
    if (to) AppendParts(what, {" to ", FullPath(*to)});
    return SystemError(code, what);
}

// A handle from CreateFileA, and one from FindFirstFileW: both hold nothing
// as INVALID_HANDLE_VALUE; each kind has its own close.
struct FileTraits {
    using Handle = HANDLE;
    static Handle Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle file) noexcept { CloseHandle(file); }
};
struct FindTraits : FileTraits {
    static void Close(Handle find) noexcept { FindClose(find); }
};
struct ThreadTraits {
    using Handle = HANDLE;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle thread) noexcept { CloseHandle(thread); }
};
using FileHandle = OwnedHandle<FileTraits>;
using FindHandle = OwnedHandle<FindTraits>;
using ThreadHandle = OwnedHandle<ThreadTraits>;

// Around every lookup of the scans and searches (the listings, the tests
// whether a file or folder is there, reading a file, the search of PATH): a drive that is not
// ready, such as an empty card reader or DVD drive, fails it rather than stopping the program at
// the system's "There is no disk in the drive" box. The thread's own mode (Windows 7 and later) is
// given back after it; the process's stays as it is.
class NoDiskBox {
  public:
    NoDiskBox();
    NoDiskBox(const NoDiskBox&) = delete;
    NoDiskBox& operator=(const NoDiskBox&) = delete;
    ~NoDiskBox();

  private:
    DWORD earlier_ = 0;
};

NoDiskBox::NoDiskBox() {
    SetThreadErrorMode(GetThreadErrorMode() | SEM_FAILCRITICALERRORS, &earlier_);
}

NoDiskBox::~NoDiskBox() { SetThreadErrorMode(earlier_, nullptr); }

// A file or folder opened only to be looked at, letting others do anything.
FileHandle OpenToLookAt(const std::string& path, DWORD access = FILE_READ_ATTRIBUTES) {
    return FileHandle(CreateFileA(path.c_str(), access,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// The system's own full name of what a handle opened; empty when it cannot
// tell.
std::string FinalPath(HANDLE handle) {
    char path[1024];
    const DWORD length = GetFinalPathNameByHandleA(handle, path, sizeof path, FILE_NAME_NORMALIZED);
    return std::string(path, length < sizeof path ? length : 0);
}

// Whether the name of an open file leads elsewhere than its own place (its
// folder's final name with its last part), as a symbolic link does; false
// where the system cannot tell. Wine shows a Unix symbolic link as a plain
// file, and moves or deletes its target through it.
bool LeadsElsewhere(const AnsiCodePage& codePage, HANDLE file, const std::string& path) {
    const std::string_view name = FileNameOf(codePage, path);
    const std::string folder(path, 0, path.size() - name.size());
    const FileHandle opened = OpenToLookAt(folder.empty() ? "." : folder);
    std::string place = opened ? FinalPath(opened.Get()) : std::string();
    const std::string final = FinalPath(file);
    if (place.empty() || final.empty()) return false;
    if (!codePage.EndsWithSeparator(place)) place += '\\';
    place += name;
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, place.data(),
                          static_cast<int>(place.size()), final.data(),
                          static_cast<int>(final.size())) != CSTR_EQUAL;
}

// Refuses to move or delete through a name that leads elsewhere.
void RefuseLink(const AnsiCodePage& codePage, const std::string& path) {
    const FileHandle file = OpenToLookAt(path);
    // Where it cannot be opened, the operation itself says what is wrong.
    if (file && LeadsElsewhere(codePage, file.Get(), path))
        throw IoError(ERROR_ACCESS_DENIED,
                      FullPath(path) +
                          " leads to a file elsewhere, which the launcher leaves alone.");
}

// Holds a file for as long as it lives; the file was opened to be deleted
// when it closes.
class FileHold final : public ExclusiveHold {
  public:
    explicit FileHold(FileHandle file) : file_(std::move(file)) {}

  private:
    FileHandle file_;
};

// Closes the file and raises the failure: after a write, a failed close may
// mean lost data.
void Close(FileHandle& file, std::string_view doing, const std::string& path) {
    if (!CloseHandle(file.Release())) throw FailureOf(doing, path);
}

UINT CodePageOf(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Oem:
        return CP_OEMCP;
    case TextEncoding::Utf8:
        return CP_UTF8;
    case TextEncoding::Ansi:
        break;
    }
    return CP_ACP;
}

// WinExec reports failures as small numbers, most of them system error codes.
std::uint32_t WinExecErrorCode(UINT result) {
    return result == 0 ? ERROR_NOT_ENOUGH_MEMORY : static_cast<std::uint32_t>(result);
}

// The lead bytes of the ANSI code page, from the ranges the system gives;
// UTF-8 has none, and steps by its own sequences.
AnsiCodePage AnsiCodePageOfSystem() {
    if (GetACP() == CP_UTF8) return AnsiCodePage::Utf8();
    CPINFO info{};
    std::bitset<256> leadBytes;
    if (GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1) {
        for (std::size_t i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
            for (unsigned byte = info.LeadByte[i]; byte <= info.LeadByte[i + 1]; ++byte)
                leadBytes.set(byte);
    }
    return AnsiCodePage(leadBytes);
}

// ANSI itself, or an OEM code page that is the ANSI one (as on double-byte
// systems): the text stands as it is, and is not made over by a conversion.
bool IsAnsi(TextEncoding encoding) {
    return encoding == TextEncoding::Ansi ||
           (encoding == TextEncoding::Oem && GetOEMCP() == GetACP());
}

} // namespace

Win32Platform::Win32Platform() : codePage_(AnsiCodePageOfSystem()) {}

// Names that come in from the system are read wide and narrowed here, so
// that a character the ANSI code page lacks shows as "?" on every Windows
// version, never as a look-alike.
std::string Win32Platform::CurrentDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data());
        if (length == 0) throw LastError();
        if (length < path.size()) {
            path.resize(length);
            return AnsiFromWide(path);
        }
        path.resize(length);
    }
}

void Win32Platform::ChangeDirectory(const std::string& path) {
    if (!SetCurrentDirectoryA(path.c_str())) throw FailureOf("Opening the folder", path);
}

bool Win32Platform::FileExists(const std::string& path) {
    const NoDiskBox quiet;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Platform::PathExists(const std::string& path) {
    const NoDiskBox quiet;
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32Platform::FileIsThere(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return false;
    throw FailureOf("Looking for", path);
}

FileObstacle Win32Platform::WhatStopsReplacing(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        FileIsThere(path); // raises unless there is no such file
        return FileObstacle::None;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileObstacle::Folder;
    if (attributes & FILE_ATTRIBUTE_READONLY) return FileObstacle::ReadOnly;
    // Opened to be deleted while letting everyone else do anything: only a
    // program that does not let the file be deleted refuses that.
    const FileHandle file = OpenToLookAt(path, DELETE);
    if (file)
        return LeadsElsewhere(codePage_, file.Get(), path) ? FileObstacle::Link
                                                           : FileObstacle::None;
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION) return FileObstacle::InUse;
    // There, but what it leads to is not: a link to a missing file.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return FileObstacle::Link;
    throw FailureOf("Looking at", path);
}

void Win32Platform::ListMatches(const std::string& pattern,
                                const std::function<void(std::string_view name)>& onName) {
    const NoDiskBox quiet;
    WIN32_FIND_DATAW entry;
    const FindHandle find(FindFirstFileW(WideFromAnsi(pattern).c_str(), &entry));
    if (!find) return;
    do {
        onName(AnsiFromWide(entry.cFileName));
    } while (FindNextFileW(find.Get(), &entry));
}

std::string Win32Platform::ReadFile(const std::string& path) {
    return *ReadSmallFile(path, std::string().max_size());
}

std::optional<std::string> Win32Platform::ReadSmallFile(const std::string& path,
                                                        std::size_t limit) {
    const NoDiskBox quiet;
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size)) throw FailureOf("Reading", path);
    if (static_cast<ULONGLONG>(size.QuadPart) > limit) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    for (std::size_t done = 0; done < bytes.size();) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                        &read, nullptr))
            throw FailureOf("Reading", path);
        if (read == 0) {
            bytes.resize(done); // it grew shorter meanwhile
            break;
        }
        done += read;
    }
    Close(file, "Reading", path);
    return bytes;
}

void Win32Platform::WriteFile(const std::string& path, std::string_view bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw FailureOf("Writing", path);
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(bytes.size());
        if (!::WriteFile(file.Get(), bytes.data(), size, &written, nullptr))
            throw FailureOf("Writing", path);
        bytes.remove_prefix(written);
    }
    // A device that cannot flush (some network and virtual drives) answers
    // so: saving there stays possible. Any other failure is the disk's.
    if (!FlushFileBuffers(file.Get())) {
        const DWORD error = GetLastError();
        if (error != ERROR_INVALID_FUNCTION && error != ERROR_NOT_SUPPORTED)
            throw FailureOf("Writing", path);
    }
    Close(file, "Writing", path);
}

// Write-through flushes only a move done as copy and delete (to another
// volume); a rename within one volume is journaled by the file system.
void Win32Platform::MoveReplacing(const std::string& from, const std::string& to) {
    RefuseLink(codePage_, from);
    if (!MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw FailureOf("Moving", from, &to);
}

void Win32Platform::RemoveFile(const std::string& path) {
    RefuseLink(codePage_, path);
    if (!::DeleteFileA(path.c_str())) {
        const IoError failure = FailureOf("Deleting", path);
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0 ||
            !SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY) ||
            !::DeleteFileA(path.c_str()))
            throw failure;
    }
    // Wine tells of a deletion that the Unix side refuses (an immutable
    // file) only by leaving the file there.
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        SetLastError(ERROR_ACCESS_DENIED);
        throw FailureOf("Deleting", path);
    }
}

std::unique_ptr<ExclusiveHold> Win32Platform::HoldExclusively(const std::string& path,
                                                              std::chrono::milliseconds patience) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(patience.count());
    for (;;) {
        FileHandle file(CreateFileA(path.c_str(), GENERIC_READ | DELETE, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        if (file) return std::make_unique<FileHold>(std::move(file));
        if (GetLastError() != ERROR_SHARING_VIOLATION) throw FailureOf("Opening", path);
        if (GetTickCount64() >= end) return nullptr;
        Sleep(10);
    }
}

namespace {

// Empty when unset or set to the empty text.
std::wstring WideEnvironment(const std::wstring& name) {
    std::wstring value(256, L'\0');
    for (;;) {
        const DWORD length =
            GetEnvironmentVariableW(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(length);
    }
}

} // namespace

bool Win32Platform::OnNetwork(const std::string& path) {
    // Two separators begin a UNC path; the system's own "\\?\" and "\\.\"
    // forms are taken alike.
    const auto separator = [](char c) { return c == '\\' || c == '/'; };
    if (path.size() >= 2 && separator(path[0]) && separator(path[1])) return true;
    if (path.size() < 2 || path[1] != ':') return false;
    const char root[] = {path[0], ':', '\\', '\0'};
    return GetDriveTypeA(root) == DRIVE_REMOTE;
}

namespace {

// A lookup handed to a worker thread. Whichever of the worker and the thread
// that waits for it lets go second frees it.
struct HandedOver {
    std::unique_ptr<Lookup> lookup;
    std::atomic<bool> letGo{false};
};

DWORD WINAPI RunHandedOver(void* parameter) {
    auto* handedOver = static_cast<HandedOver*>(parameter);
    try {
        Win32Platform own;
        handedOver->lookup->Run(own);
    } catch (...) {
        // An error ends the lookup here, on its thread.
    }
    if (handedOver->letGo.exchange(true)) delete handedOver;
    return 0;
}

} // namespace

std::unique_ptr<Lookup> Win32Platform::RunFor(std::unique_ptr<Lookup> lookup,
                                              std::chrono::milliseconds wait) {
    auto handedOver = std::make_unique<HandedOver>();
    handedOver->lookup = std::move(lookup);
    const ThreadHandle thread(
        CreateThread(nullptr, 0, RunHandedOver, handedOver.get(), 0, nullptr));
    if (!thread) throw LastError();
    WaitForSingleObject(thread.Get(), static_cast<DWORD>(std::max<long long>(wait.count(), 0)));
    // Still running: the worker frees it when it ends.
    if (!handedOver->letGo.exchange(true)) {
        handedOver.release();
        return nullptr;
    }
    return std::move(handedOver->lookup);
}

std::string Win32Platform::FindOnPath(const std::string& name) {
    const NoDiskBox quiet;
    // The folders as the system holds them, wide: one with a name that the
    // ANSI code page lacks is still searched. cmd splits PATH at the
    // semicolons outside double quotes and drops the quotes.
    const std::wstring path = WideEnvironment(L"PATH");
    const std::wstring file = WideFromAnsi(name);
    std::wstring folder;
    bool quoted = false;
    for (std::size_t at = 0; at <= path.size(); ++at) {
        const wchar_t c = at < path.size() ? path[at] : L';';
        if (c == L'"') {
            quoted = !quoted;
        } else if (c != L';' || quoted) {
            folder += c;
        } else if (!folder.empty()) {
            if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
            folder += file;
            const DWORD attributes = GetFileAttributesW(folder.c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES &&
                (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                return AnsiFromWide(folder);
            folder.clear();
        }
    }
    return {};
}

std::string Win32Platform::GetEnvironment(const std::string& name) {
    return AnsiFromWide(WideEnvironment(WideFromAnsi(name)));
}

void Win32Platform::SetEnvironment(const std::string& name, const std::string& value) {
    if (!SetEnvironmentVariableA(name.c_str(), value.c_str())) throw LastError();
}

std::string Win32Platform::RegistryString(RegistryRoot root, std::string_view key,
                                          std::string_view value) {
    const std::wstring path = WideFromAnsi(key);
    const std::wstring name = WideFromAnsi(value);
    std::wstring text;
    DWORD bytes = 0;
    LONG result = ERROR_MORE_DATA;
    while (result == ERROR_MORE_DATA) {
        text.resize(bytes / sizeof(wchar_t) + 1);
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        // Strings only; the system gives one written without its terminator
        // a terminator.
        result =
            RegGetValueW(root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
                         path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &bytes);
    }
    if (result != ERROR_SUCCESS) return {};
    text.resize(std::min<std::size_t>(text.find(L'\0'), bytes / sizeof(wchar_t)));
    return AnsiFromWide(text);
}

std::optional<std::string> Win32Platform::FromAnsi(std::string_view text, TextEncoding to) {
    if (IsAnsi(to)) return std::string(text);
    bool lost = false;
    std::string converted = NarrowTo(WideFrom(text, CP_ACP), CodePageOf(to), lost);
    if (lost) return std::nullopt;
    return converted;
}

std::string Win32Platform::ToAnsi(std::string_view text, TextEncoding from, bool& lost) {
    lost = false;
    if (IsAnsi(from)) return std::string(text);
    return NarrowTo(WideFrom(text, CodePageOf(from)), CP_ACP, lost);
}

namespace {

// An environment variable of this process set for as long as the object
// lives: a started program inherits it.
class EnvironmentSetting {
  public:
    EnvironmentSetting(const std::wstring& name, const std::wstring& value)
        : name_(name), had_(GetEnvironmentVariableW(name.c_str(), nullptr, 0) != 0),
          earlier_(WideEnvironment(name)) {
        if (!SetEnvironmentVariableW(name.c_str(), value.empty() ? nullptr : value.c_str()) &&
            !value.empty())
            throw LastError();
    }
    EnvironmentSetting(const EnvironmentSetting&) = delete;
    EnvironmentSetting& operator=(const EnvironmentSetting&) = delete;
    ~EnvironmentSetting() {
        SetEnvironmentVariableW(name_.c_str(), had_ ? earlier_.c_str() : nullptr);
    }

  private:
    std::wstring name_;
    bool had_;
    std::wstring earlier_;
};

} // namespace

void Win32Platform::StartProgram(const std::string& program, const std::string& commandLine,
                                 const std::string& folder, const std::string& variable,
                                 const std::string& value) {
    const EnvironmentSetting setting(WideFromAnsi(variable), WideFromAnsi(value));
    std::wstring line = WideFromAnsi(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(WideFromAnsi(program).c_str(), line.data(), nullptr, nullptr, FALSE,
                        CREATE_NO_WINDOW, nullptr, WideFromAnsi(folder).c_str(), &startup,
                        &started)) {
        const DWORD error = GetLastError();
        throw IoError(error, ShowingValue(codePage_, "The source port cannot be started:", program,
                                          SystemMessage(error)));
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

void Win32Platform::StartHidden(const std::string& commandLine) {
    const UINT result = WinExec(commandLine.c_str(), SW_HIDE);
    if (result <= 31) throw SystemError(WinExecErrorCode(result));
}

} // namespace tarnwick
