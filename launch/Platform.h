// What the launch logic needs from the operating system: files, folders, the
// environment and starting a program. The program's implementation is
// Win32Platform (app/), the native tests' MemoryPlatform (tests/support/);
// keeping this seam lets the text logic build and be fuzzed natively.
#pragma once

#include "AnsiCodePage.h"
#include "TextEncoding.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

enum class RegistryRoot { CurrentUser, LocalMachine };

class Platform;

// Work that looks at the disk through a platform, with what it looks for and
// what it finds, so that it can run on a worker thread (Platform::RunFor).
class Lookup {
  public:
    virtual ~Lookup() = default;
    virtual void Run(Platform& platform) = 0;
};

// What keeps this program from replacing or removing a file.
enum class FileObstacle {
    None,     // nothing (or there is no such file)
    ReadOnly, // its read-only attribute
    InUse,    // another program has it open and does not let it be removed
    Folder,   // it is a folder, not a file
    Link,     // its name leads to a file elsewhere (a symbolic link)
};

// A file held open without sharing, for as long as the object lives.
class ExclusiveHold {
  public:
    virtual ~ExclusiveHold() = default;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // The process's current directory, as the system reports it.
    virtual std::string CurrentDirectory() = 0;
    // Raises IoError when the directory cannot be entered.
    virtual void ChangeDirectory(const std::string& path) = 0;

    // True for an existing file; false for a folder or a missing name.
    virtual bool FileExists(const std::string& path) = 0;
    // True for an existing file or folder.
    virtual bool PathExists(const std::string& path) = 0;
    // The same where the answer decides what to move or delete: a look that
    // fails (for anything but a missing file or folder) raises IoError
    // rather than answering false.
    virtual bool FileIsThere(const std::string& path) = 0;
    // Calls onName with the bare name of every entry the wildcard pattern
    // matches, whatever its attributes, in the system's order. A pattern whose
    // folder is missing or unreadable matches nothing.
    virtual void ListMatches(const std::string& pattern,
                             const std::function<void(std::string_view name)>& onName) = 0;

    // What would keep a move or a deletion of the file from working; None
    // for a missing file. Raises IoError when the system cannot tell.
    virtual FileObstacle WhatStopsReplacing(const std::string& path) = 0;

    // The whole file as bytes. Raises IoError, which names the file, as every
    // file operation's error does.
    virtual std::string ReadFile(const std::string& path) = 0;
    // The same for a file of at most `limit` bytes; nothing for a larger one,
    // which is not read.
    virtual std::optional<std::string> ReadSmallFile(const std::string& path,
                                                     std::size_t limit) = 0;
    // Creates or truncates the file, writes the bytes and has them on the disk
    // before it returns, so that a rename after it never outlives the data on
    // a power cut; on a device that cannot flush, as far as it keeps them.
    // Raises IoError.
    virtual void WriteFile(const std::string& path, std::string_view bytes) = 0;
    // Moves a file over another, replacing it. A name that leads to a file
    // elsewhere is never followed: such a `from` raises IoError, as any
    // failure does.
    virtual void MoveReplacing(const std::string& from, const std::string& to) = 0;
    // Deletes a file of this program's own making: a read-only attribute that
    // another program set does not keep it. A name that leads to a file
    // elsewhere is never followed: it raises IoError, as any failure does.
    virtual void RemoveFile(const std::string& path) = 0;
    // Opens the file, made if missing, without sharing, so that no other
    // program can open it while the hold lives; the file goes with the hold.
    // Waits up to `patience` for another program that has it open; nothing
    // when that one still has. Raises IoError for any other failure.
    virtual std::unique_ptr<ExclusiveHold> HoldExclusively(const std::string& path,
                                                           std::chrono::milliseconds patience) = 0;

    // Whether the path lies on another computer: a UNC path, or a drive
    // letter mapped to a share. A lookup there may wait for the network, on
    // Windows half a minute and more where the computer does not answer.
    virtual bool OnNetwork(const std::string& path) = 0;
    // Runs the lookup on a worker thread, with a platform of its own, and
    // waits for it that long at the most. Gives the lookup back where it
    // ended by then; else nothing, and the lookup goes on alone and is freed
    // when it ends. An error it raises ends it.
    virtual std::unique_ptr<Lookup> RunFor(std::unique_ptr<Lookup> lookup,
                                           std::chrono::milliseconds wait) = 0;

    // The full path of the first file of that name in the folders of PATH, in
    // their order, as cmd searches them: an entry in double quotes is the
    // folder between them. Empty when there is none.
    virtual std::string FindOnPath(const std::string& name) = 0;

    // Empty both when the variable is unset and when it is empty.
    virtual std::string GetEnvironment(const std::string& name) = 0;
    virtual void SetEnvironment(const std::string& name, const std::string& value) = 0;

    // The string value of a registry key, with "?" for each character that
    // the ANSI code page lacks; empty when the key or the value is missing or
    // the value is not a string. A value without its terminator is taken as
    // it stands. A 32-bit program on 64-bit Windows reads the machine's
    // 32-bit view (Wow6432Node), where 32-bit installers write.
    virtual std::string RegistryString(RegistryRoot root, std::string_view key,
                                       std::string_view value) = 0;

    // The system's ANSI code page, in which this program holds its texts:
    // where its characters begin.
    virtual const AnsiCodePage& CodePage() const = 0;
    // ANSI text in another encoding; nothing when one of its characters has no
    // form there (no look-alike stands in for it).
    virtual std::optional<std::string> FromAnsi(std::string_view text, TextEncoding to) = 0;
    // Text of an encoding as ANSI, with "?" for each character that the ANSI
    // code page lacks, as the system's own 8-bit functions give it; lost tells
    // whether any did.
    virtual std::string ToAnsi(std::string_view text, TextEncoding from, bool& lost) = 0;

    // Starts a command line with no visible window, without waiting for it.
    // Raises IoError when it cannot be started.
    virtual void StartHidden(const std::string& commandLine) = 0;
    // Starts the program (a full path) with the command line (the program's
    // own name first) in the folder, with the environment variable set to the
    // value, or removed where it is empty (as cmd's "set NAME=" does), without
    // waiting for it. A console program gets no console window; the
    // program's own windows show. Raises IoError, naming the program, when it
    // cannot be started.
    virtual void StartProgram(const std::string& program, const std::string& commandLine,
                              const std::string& folder, const std::string& variable,
                              const std::string& value) = 0;
};

} // namespace tarnwick
