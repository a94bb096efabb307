// Real keyboard and mouse input, as a person gives it: xdotool on the X
// server that shows Wine's windows. Unlike posted messages, it goes through
// activation, focus and the dialog manager, which are what these tests are
// about.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

namespace tarnwick::e2e {

// Why real input cannot be given here, or nothing when it can: it needs Wine
// (xdotool and xclip run on its Unix side), both installed, and the X server
// that shows Wine's windows. Windows has none of these.
std::optional<std::string> RealInputMissing();

// At the start of a test that gives real input: skips it, with the reason,
// where real input cannot be given.
#define SKIP_WITHOUT_REAL_INPUT()                                                                  \
    if (const std::optional<std::string> missing = RealInputMissing()) GTEST_SKIP() << *missing

// Keys by their X names, as xdotool takes them: "Return", "alt+Return",
// "Escape", "Tab", "alt+F4".
void PressKeys(const std::string& keys);
// Types the text into whatever has the keyboard focus.
void TypeText(const std::string& text);
// The same for text in UTF-8, which may hold letters that the ANSI code page
// lacks; PasteText puts it on the clipboard first and pastes it with Ctrl+V.
void TypeUtf8Text(const std::string& utf8);
void PasteUtf8Text(const std::string& utf8);
// A left click at the centre of the window (a control or a whole window).
void ClickOn(HWND window);
// A left click at a point of the window's client area.
void ClickAt(HWND window, int x, int y);
// The text that the X server's clipboard holds, as xclip reads it: Wine
// hands the programs' clipboard over, with lines ended by LF alone.
std::string ClipboardText();
// Whether key presses go to the top-level window: the X server's keyboard
// focus is on the X window of that caption.
bool KeysGoTo(HWND topLevel);

} // namespace tarnwick::e2e
