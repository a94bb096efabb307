#include "RunningLauncher.h"

namespace tarnwick::e2e {

RunningLauncher::RunningLauncher(const std::string& folder, const Environment& environment)
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

} // namespace tarnwick::e2e
