// Which encoding a launch file read back is in, and its text as ANSI. The
// batch file is written in the OEM code page and the response file in UTF-8
// or ANSI, by the port; files of earlier versions are all ANSI. ASCII text is
// the same in each, and is taken as it stands.
#pragma once

#include "Platform.h"

#include <string>
#include <string_view>

namespace tarnwick {

// Whether the bytes are valid UTF-8 with at least one byte above 127.
bool IsUtf8BeyondAscii(std::string_view bytes);

// A response file as ANSI: read as UTF-8 when IsUtf8BeyondAscii, else as ANSI.
// A character that ANSI lacks comes back as "?".
std::string ResponseFileText(Platform& platform, std::string_view bytes);

// A batch file as ANSI: read in the OEM code page, unless a character of that
// reading has no ANSI form; then the file is an earlier version's, written in
// ANSI, and read so.
std::string BatchFileText(Platform& platform, std::string_view bytes);

} // namespace tarnwick
