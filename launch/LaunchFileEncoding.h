// The encodings of the launch files: this version writes the batch file in
// the OEM code page and the response file in the encoding its port reads
// (SourcePortItem); earlier versions wrote every file in ANSI. ASCII text is
// the same in each, and is taken as it stands. Read back, a file's encoding
// decides how its text comes back as ANSI.
#pragma once

#include "LaunchFileFormat.h"
#include "Platform.h"

#include <string>
#include <string_view>

namespace tarnwick {

// The encoding the response file is written in for the chosen port.
TextEncoding ResponseFileEncoding(const LaunchSettings& settings);

// The bytes of the files as they go to disk: the batch file in the OEM code
// page that cmd reads it in, the response file in the encoding the chosen
// port reads. Raises UnsavableValueError, naming the value, for a WAD
// directory or an executable that the OEM code page lacks a character of.
LaunchFileSet EncodeLaunchFiles(Platform& platform, const LaunchSettings& settings,
                                const std::string& wadDir, LaunchFileSet set);

// Whether the bytes are valid UTF-8 with at least one byte above 127.
bool IsUtf8BeyondAscii(std::string_view bytes);

// The two readings of a file's bytes as ANSI: as this version writes it, and
// as an earlier version did.
struct LaunchFileReadings {
    std::string current;
    std::string earlier;
};

// The readings of a file that this version writes in `encoding`: the batch
// file in the OEM code page, the response file in the one its port reads (for
// ZDoom and SkullTag ANSI, as before, so nothing is guessed). Bytes that are
// no UTF-8 are not of a file that this version wrote: the earlier reading
// stands in for the current one. So does an OEM reading that loses a
// character, which no text of this program's holds. A UTF-8 file of another
// system, or of this one before its code page changed, may hold characters
// that the ANSI code page lacks: its reading keeps them lost, as "?", never
// as the garbled letters of the other reading.
LaunchFileReadings ReadingsOf(Platform& platform, std::string_view bytes, TextEncoding encoding);

// Whether a byte of the text is above 127: only such a name reads otherwise
// in another encoding.
bool IsBeyondAscii(std::string_view text);

// The reading to take. Where the two differ, the files and folders they name
// decide: namesExisting(text) tells whether the reading names one beyond
// ASCII that exists. The earlier reading is taken only when it does and the
// current one does not; both or neither, the current one. So a file this
// version wrote comes back exactly unless every such name in it is gone and
// the earlier reading of one of them exists.
template <typename NamesExisting>
std::string ChosenReading(const LaunchFileReadings& readings, NamesExisting namesExisting) {
    if (readings.current != readings.earlier && !namesExisting(readings.current) &&
        namesExisting(readings.earlier))
        return readings.earlier;
    return readings.current;
}

} // namespace tarnwick
