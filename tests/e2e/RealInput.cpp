#include "RealInput.h"

#include "LauncherDriver.h"

#include <fstream>
#include <stdexcept>

namespace tarnwick::e2e {
namespace {

// A shell word: single quotes keep everything but a single quote.
std::string ShellWord(const std::string& text) {
    std::string word = "'";
    for (char c : text)
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

// Runs xdotool with the arguments and waits for it to end. Wine starts a Unix
// program for CreateProcess but neither waits for it nor reports its exit
// code, so the shell leaves the code in a file of its own.
void Xdotool(const std::string& arguments) {
    static int calls = 0;
    const std::string marker = "/tmp/tarnwick-input-" + std::to_string(GetCurrentProcessId()) +
                               "-" + std::to_string(++calls);
    std::string windowsMarker = "Z:" + marker;
    for (char& c : windowsMarker)
        if (c == '/') c = '\\';
    std::string command = "Z:\\bin\\sh -c \"xdotool " + arguments + "; echo $? > " + marker + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw std::runtime_error("cannot start xdotool");
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    int code = -1;
    const bool ended = WaitUntil(
        [&] {
            std::ifstream file(windowsMarker);
            return static_cast<bool>(file >> code);
        },
        milliseconds(10000), milliseconds(5));
    DeleteFileA(windowsMarker.c_str());
    if (!ended) throw std::runtime_error("xdotool did not end: " + arguments);
    if (code != 0) throw std::runtime_error("xdotool failed: " + arguments);
}

} // namespace

void PressKeys(const std::string& keys) { Xdotool("key --clearmodifiers " + ShellWord(keys)); }

void TypeText(const std::string& text) { Xdotool("type --delay 5 -- " + ShellWord(text)); }

namespace {

// Wine's window coordinates are the X screen's.
void ClickOnScreen(POINT point) {
    Xdotool("mousemove --sync " + std::to_string(point.x) + " " + std::to_string(point.y) +
            " click 1");
}

} // namespace

void ClickOn(HWND window) {
    RECT place{};
    if (!GetWindowRect(window, &place)) throw std::runtime_error("no window to click");
    ClickOnScreen({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
}

void ClickAt(HWND window, int x, int y) {
    POINT point{x, y};
    if (!ClientToScreen(window, &point)) throw std::runtime_error("no window to click");
    ClickOnScreen(point);
}

} // namespace tarnwick::e2e
