#include "RealInput.h"

#include "TempFolder.h"
#include "UnixCommand.h"

#include <stdexcept>

namespace tarnwick::e2e {
namespace {

using testing::ShellWord;

void Xdotool(const std::string& arguments) {
    if (testing::RunUnixCommand("xdotool " + arguments) != 0)
        throw std::runtime_error("xdotool failed: " + arguments);
}

} // namespace

std::optional<std::string> RealInputMissing() {
    static const std::optional<std::string> missing = []() -> std::optional<std::string> {
        if (!testing::UnderWine()) return "real input goes through xdotool, under Wine only";
        if (testing::RunUnixCommand(
                "command -v xdotool >/dev/null && command -v xclip >/dev/null") != 0)
            return "xdotool or xclip is not installed; scripts/install-deps.sh installs them";
        if (testing::RunUnixCommand("xdotool getdisplaygeometry >/dev/null 2>&1") != 0)
            return "xdotool reaches no X server at DISPLAY";
        return std::nullopt;
    }();
    return missing;
}

void PressKeys(const std::string& keys) { Xdotool("key --clearmodifiers " + ShellWord(keys)); }

void TypeText(const std::string& text) { Xdotool("type --delay 5 -- " + ShellWord(text)); }

namespace {

// Wine's window coordinates are the X screen's.
void ClickOnScreen(POINT point) {
    Xdotool("mousemove " + std::to_string(point.x) + " " + std::to_string(point.y) + " click 1");
}

} // namespace

void ClickOn(HWND window) {
    RECT place{};
    if (!GetWindowRect(window, &place)) throw std::runtime_error("no window to click");
    ClickOnScreen({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
}

std::string ClipboardText() {
    // Wine maps drive Z: to the Unix root.
    const std::string name = "tarnwick-clipboard-" + std::to_string(GetCurrentProcessId());
    if (testing::RunUnixCommand("xclip -o -selection clipboard > /tmp/" + name) != 0)
        throw std::runtime_error("xclip failed; scripts/install-deps.sh installs it");
    std::string text = testing::FileText("Z:\\tmp\\" + name);
    testing::RunUnixCommand("rm -f /tmp/" + name);
    return text;
}

bool KeysGoTo(HWND topLevel) {
    char caption[256] = "";
    GetWindowTextA(topLevel, caption, sizeof caption);
    return testing::RunUnixCommand("test \"$(xdotool getwindowfocus getwindowname)\" = " +
                                   ShellWord(caption)) == 0;
}

void ClickAt(HWND window, int x, int y) {
    POINT point{x, y};
    if (!ClientToScreen(window, &point)) throw std::runtime_error("no window to click");
    ClickOnScreen(point);
}

} // namespace tarnwick::e2e
