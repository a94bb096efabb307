// The encodings the launch files are written in.
#pragma once

namespace tarnwick {

// The program's own (the ANSI code page), the one cmd reads a batch file in
// (the OEM code page), and UTF-8, which current ports read.
enum class TextEncoding { Ansi, Oem, Utf8 };

} // namespace tarnwick
