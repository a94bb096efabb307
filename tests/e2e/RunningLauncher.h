// One launcher started in a folder, with its main window found: the handle
// the scenarios act through.
#pragma once

#include "LauncherDriver.h"
#include "MainControlIds.h"

#include <map>
#include <optional>
#include <string>

namespace tarnwick::e2e {

using Environment = std::map<std::string, std::optional<std::string>>;

// How long a start-up may take before a scenario gives up on it: a few
// seconds under Wine, so that a missing behaviour fails fast.
inline constexpr milliseconds kStartPatience{10000};

class RunningLauncher {
  public:
    RunningLauncher(const std::string& folder, const Environment& environment);
    // In a folder whose name the ANSI code page may lack.
    RunningLauncher(const std::wstring& folder, const Environment& environment);

    LauncherProcess& process() { return process_; }
    DWORD id() const { return process_.id(); }
    // The main window "Tarnwick Pro"; nullptr when it never appeared.
    HWND window() const { return window_; }

    // True once the start-up sequence has ended: the focus is on cbSource.
    bool WaitReady(milliseconds patience = kStartPatience) const;
    RemoteControl operator[](int id) const { return RemoteControl(window_, id); }
    // True once everything posted to the launcher so far has been handled.
    bool Settle() const;
    // A visible window of this launcher with the caption.
    HWND WaitForOwnWindow(const std::string& caption, milliseconds patience = kStartPatience) const;
    // How many visible windows of this launcher carry the caption.
    int CountWindows(const std::string& caption) const;
    // The Launch Command dialog, opened as a person does: Alt+Space, then L
    // in the system menu. nullptr when it did not open.
    HWND OpenLaunchCommand() const;

  private:
    LauncherProcess process_;
    HWND window_;
};

} // namespace tarnwick::e2e
