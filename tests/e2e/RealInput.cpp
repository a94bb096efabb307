#include "RealInput.h"

#include "LauncherDriver.h"
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

// UTF-8 as a word of the shell, the command itself in ASCII: Wine hands a
// Unix command over through the ANSI code page, which may lack its letters.
std::string Utf8Word(const std::string& utf8) {
    std::string escaped;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        escaped += {'\\', char('0' + byte / 64), char('0' + byte / 8 % 8), char('0' + byte % 8)};
    }
    return "\"$(printf '" + escaped + "')\"";
}

} // namespace

void TypeUtf8Text(const std::string& utf8) { Xdotool("type --delay 100 -- " + Utf8Word(utf8)); }

namespace {

// What the programs' clipboard holds as text.
std::wstring ClipboardWideText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

} // namespace

void PasteUtf8Text(const std::string& utf8) {
    // xclip stays to serve the clipboard: not on the test's output, which
    // would then never end.
    if (testing::RunUnixCommand("printf %s " + Utf8Word(utf8) +
                                " | xclip -selection clipboard >/dev/null 2>&1") != 0)
        throw std::runtime_error("xclip failed");
    // Wine takes the new owner's text over in a thread of its own.
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(std::size_t(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()),
                                                wide.data(), int(wide.size()))));
    if (!WaitUntil([&] { return ClipboardWideText() == wide; }))
        throw std::runtime_error("the clipboard did not take the text");
    PressKeys("ctrl+v");
}

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
