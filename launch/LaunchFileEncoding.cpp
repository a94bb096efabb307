#include "LaunchFileEncoding.h"

#include "FieldNames.h"
#include "LaunchErrors.h"
#include "ShownValue.h"

#include <algorithm>

namespace tarnwick {
namespace {

bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The length of the UTF-8 sequence that begins at the byte, by the rules of
// RFC 3629 (no overlong forms, no surrogates, nothing above U+10FFFF); 0 for
// a byte that begins none.
std::size_t SequenceLength(std::string_view bytes, std::size_t at) {
    const auto byte = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const auto lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF; // the range of the byte after the lead
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = at + 2; i < at + length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

} // namespace

bool IsUtf8BeyondAscii(std::string_view bytes) {
    bool beyondAscii = false;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = SequenceLength(bytes, at);
        if (length == 0) return false;
        beyondAscii = beyondAscii || length > 1;
        at += length;
    }
    return beyondAscii;
}

LaunchFileReadings ReadingsOf(Platform& platform, std::string_view bytes, TextEncoding encoding) {
    LaunchFileReadings readings{std::string(bytes), std::string(bytes)};
    if (encoding == TextEncoding::Ansi || IsAscii(bytes)) return readings;
    if (encoding == TextEncoding::Utf8 && !IsUtf8BeyondAscii(bytes)) return readings;
    bool lost = false;
    std::string text = platform.ToAnsi(bytes, encoding, lost);
    if (!lost || encoding == TextEncoding::Utf8) readings.current = std::move(text);
    return readings;
}

bool IsBeyondAscii(std::string_view text) { return !IsAscii(text); }

TextEncoding ResponseFileEncoding(const LaunchSettings& settings) {
    return ChosenPort(settings).responseFileEncoding;
}

LaunchFileSet EncodeLaunchFiles(Platform& platform, const LaunchSettings& settings,
                                const std::string& wadDir, LaunchFileSet set) {
    // cmd reads the batch file in the OEM code page: a value without a form
    // there would make cmd set another folder or run another program.
    std::optional<std::string> batchFile = platform.FromAnsi(set.batchFile, TextEncoding::Oem);
    if (!batchFile) {
        const bool folder = !platform.FromAnsi(wadDir, TextEncoding::Oem);
        throw UnsavableValueError(ShowingValue(
            platform.CodePage(),
            std::string(folder ? fields::kTheWadDirectory : fields::kTheCustomSourcePort) +=
            " holds a character that the batch file cannot carry: cmd reads it in the system's "
            "console code page (OEM), which lacks that character:",
            folder ? wadDir : SourcePortExecutable(settings),
            "Choose a folder or a file whose name has no such character.\nNothing was saved."));
    }
    set.batchFile = std::move(*batchFile);
    // Every ANSI text has a form in UTF-8, and in ANSI itself.
    set.responseFile = platform.FromAnsi(set.responseFile, ResponseFileEncoding(settings)).value();
    return set;
}

} // namespace tarnwick
