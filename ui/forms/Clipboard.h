// Text for other programs to paste.
#pragma once

#include <windows.h>

#include <string_view>

namespace tarnwick::forms {

// Puts the ANSI text on the clipboard as Unicode text, in place of what it
// held; the system offers it as ANSI text too. Raises IoError.
void CopyToClipboard(HWND owner, std::string_view text);

} // namespace tarnwick::forms
