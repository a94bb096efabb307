#include "RunningLauncher.h"

#include "RealInput.h"

namespace tarnwick::e2e {

RunningLauncher::RunningLauncher(const std::string& folder, const Environment& environment)
    : process_(folder, environment),
      window_(WaitForWindow(process_.id(), "Tarnwick Pro", kStartPatience)) {}

RunningLauncher::RunningLauncher(const std::wstring& folder, const Environment& environment)
    : process_(folder, environment),
      window_(WaitForWindow(process_.id(), "Tarnwick Pro", kStartPatience)) {}

bool RunningLauncher::WaitReady(milliseconds patience) const {
    if (window_ == nullptr) return false;
    const HWND source = (*this)[MainId::cbSource].hwnd();
    return WaitUntil([&] { return FocusOf(window_) == source; }, patience);
}

bool RunningLauncher::Settle() const {
    return window_ != nullptr && e2e::Settle((*this)[MainId::btnLoad].hwnd());
}

HWND RunningLauncher::WaitForOwnWindow(const std::string& caption, milliseconds patience) const {
    return WaitForWindow(process_.id(), caption, patience);
}

int RunningLauncher::CountWindows(const std::string& caption) const {
    int count = 0;
    for (const auto& [window, text] : VisibleWindows(process_.id()))
        if (text == caption) ++count;
    return count;
}

HWND RunningLauncher::OpenLaunchCommand() const {
    // Keys reach the program only where the X server's focus is, which a
    // closing box may leave elsewhere (WINE-NOTES): a click on an empty place
    // of the window brings it back, as a person would do.
    if (!WaitUntil([&] { return KeysGoTo(window_); }, milliseconds(1000))) ClickAt(window_, 2, 2);
    PressKeys("alt+space");
    PressKeys("l");
    return WaitForOwnWindow("Launch Command");
}

} // namespace tarnwick::e2e
