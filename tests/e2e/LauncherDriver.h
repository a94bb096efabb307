// Drives the real launcher from outside, as a person would: starts it in a
// folder, finds its windows and controls, and sends them the messages that
// clicks, key presses, typing and choices produce.
#pragma once

#include <windows.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick::e2e {

using std::chrono::milliseconds;
inline constexpr milliseconds kPatience{15000};

// The Windows path of a program that the build names in an environment
// variable; raises an error when it is not set.
std::string ProgramPath(const char* variable);
// The path of tarnwick.exe, from the TARNWICK_EXE environment variable.
std::string LauncherPath();

// One running launcher. The destructor ends it if it is still running.
class LauncherProcess {
  public:
    // Starts the launcher in folder. environment: variables to set (an empty
    // optional removes the variable) on top of this process's environment.
    // Returns once the launcher waits for input, unless told not to wait.
    // program: another program to start in the launcher's place.
    LauncherProcess(const std::string& folder,
                    const std::map<std::string, std::optional<std::string>>& environment,
                    bool waitUntilIdle = true, const std::string& program = LauncherPath());
    // The same in a folder whose name the ANSI code page may lack.
    LauncherProcess(const std::wstring& folder,
                    const std::map<std::string, std::optional<std::string>>& environment,
                    bool waitUntilIdle = true, const std::string& program = LauncherPath());
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;
    ~LauncherProcess();

    DWORD id() const { return info_.dwProcessId; }
    HANDLE handle() const { return info_.hProcess; }
    // True when the process ended within the time; its exit code then.
    bool WaitForExit(milliseconds patience = kPatience);
    DWORD ExitCode() const;

  private:
    PROCESS_INFORMATION info_{};
};

// The process's visible top-level window with this caption (nullptr when none
// appears in time).
HWND WaitForWindow(DWORD processId, const std::string& caption, milliseconds patience = kPatience);
// The same, without waiting.
HWND FindWindowOf(DWORD processId, const std::string& caption);
// Every top-level window of the process that a person sees, with its caption.
std::vector<std::pair<HWND, std::string>> VisibleWindows(DWORD processId);
// The open list of a drop-down box: a top-level window of its own (nullptr
// when none shows in time).
HWND DroppedList();

// Waits until a condition holds, pumping nothing (the launcher is another
// process); false when it never did. interval: the time between two looks.
template <typename Condition>
bool WaitUntil(Condition condition, milliseconds patience = kPatience,
               milliseconds interval = milliseconds{20}) {
    const auto end = std::chrono::steady_clock::now() + patience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        Sleep(static_cast<DWORD>(interval.count()));
    }
    return true;
}

// A control of a launcher window, found by its identifier.
class RemoteControl {
  public:
    RemoteControl(HWND window, int id);
    HWND hwnd() const { return hwnd_; }

    std::string Text() const;
    void Type(const std::string& text) const; // replaces the text, as typing would
    // Clicks a button. Posted, so a modal dialog that the click opens does not
    // block the driver.
    void Click() const;
    bool Checked() const;
    // A user's choice in a drop-down list: select, then notify the parent as
    // the list itself does.
    void Choose(int index) const;
    int Selected() const;
    std::vector<std::string> Items() const; // combo box or list box items
    int ItemCount() const;                  // without reading them, one message each
    void SelectListItem(int index) const;   // list box, as a click on the item would
    int ListSelected() const;
    void PressKey(WORD virtualKey) const; // key down and up sent to the control
    void Focus() const;
    int ScrollPosition() const;
    void Scroll(int position) const; // clicks the arrows until the bar is at position
    bool Visible() const;
    bool Enabled() const;

  private:
    HWND hwnd_;
    int id_;
};

// The text of a message box (its static text control).
std::string MessageBoxText(HWND box);
// The same in UTF-8, whole where the ANSI code page lacks its letters.
std::string MessageBoxUtf8Text(HWND box);
// Presses a button of a dialog by its identifier (IDOK, IDYES, ...).
void PressDialogButton(HWND dialog, int id);

// The window that has the keyboard focus in the launcher's thread.
HWND FocusOf(HWND window);
// The active window of the launcher's thread.
HWND ActiveOf(HWND window);

// Key down and up posted to a window, as a key press reaches the focused one.
void PressKeyOn(HWND target, WORD virtualKey);

// Files dropped on a window from a file manager. The shell hands the window a
// DROPFILES block in the window's own process, so the block is written into
// that process's memory and the message posted with its address; the
// receiver's DragQueryFile reads a fixed block through its address. The
// returned block is released when the object goes, once the drop has been
// handled. The paths are given in UTF-8.
class DroppedFiles {
  public:
    DroppedFiles(HANDLE process, HWND target, const std::vector<std::string>& paths);
    DroppedFiles(const DroppedFiles&) = delete;
    DroppedFiles& operator=(const DroppedFiles&) = delete;
    ~DroppedFiles();

  private:
    HANDLE process_;
    void* block_;
};

// Waits until the launcher has handled every message posted to it before: a
// state change of the hidden button, posted behind them, must come through.
// False when it did not in time (the launcher hangs).
bool Settle(HWND hiddenButton, milliseconds patience = kPatience);

} // namespace tarnwick::e2e
