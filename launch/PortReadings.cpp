#include "PortReadings.h"

#include "PathRules.h"

namespace tarnwick {
namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

} // namespace

ResponseFileReading ReadingOf(const AnsiCodePage& codePage, std::string_view executable) {
    std::string name(FileNameOf(codePage, executable));
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    // DSDA-Doom dropped response files on purpose (dsda-doom issue #878); the
    // games of Chocolate Doom and Crispy Doom share one reader, src/m_argv.c.
    if (name == "dsda-doom.exe") return ResponseFileReading::None;
    if (name.starts_with("chocolate-") || name.starts_with("crispy-"))
        return ResponseFileReading::ChocolateLine;
    return ResponseFileReading::ZDoomLine;
}

std::vector<std::string> ResponseFileArguments(std::string_view bytes,
                                               ResponseFileReading reading) {
    if (reading == ResponseFileReading::None) bytes = "@qorvex.rsp";
    const bool zdoom = reading == ResponseFileReading::ZDoomLine;
    // The ZDoom line compares a signed char with the blank: bytes above 127
    // are white space to it.
    const auto ends = [zdoom](char c) {
        return zdoom ? static_cast<signed char>(c) <= ' ' : IsSpace(c);
    };
    std::vector<std::string> arguments;
    for (std::size_t at = 0;;) {
        while (at < bytes.size() && ends(bytes[at]))
            ++at;
        if (at >= bytes.size()) return arguments; // also past an unclosed quote
        std::string argument;
        if (bytes[at] == '"') {
            for (++at; at < bytes.size() && bytes[at] != '"' && (zdoom || bytes[at] != '\n');
                 ++at) {
                if (zdoom && bytes[at] == '\\' && at + 1 < bytes.size() && bytes[at + 1] == '"')
                    ++at;
                argument += bytes[at];
            }
            ++at; // the closing quote
        } else {
            // An argument's first character is its own; a quote within a word
            // ends it for the ZDoom line.
            do
                argument += bytes[at++];
            while (at < bytes.size() && !ends(bytes[at]) && !(zdoom && bytes[at] == '"'));
        }
        arguments.push_back(std::move(argument));
    }
}

std::string PortReadingNote(const AnsiCodePage& codePage, std::string_view executable) {
    std::string note(FileNameOf(codePage, executable));
    switch (ReadingOf(codePage, executable)) {
    case ResponseFileReading::None:
        return note += " reads no response file, so it starts without the choices made here: the "
                       "IWAD, the files and the options of qorvex.rsp, and the gameplay values of "
                       "qorvex.cfg.";
    case ResponseFileReading::ChocolateLine:
        // src/w_main.c and src/deh_main.c: a list runs to an argument that
        // begins with "-".
        return note += " has no console: the arguments beginning with \"+\" do nothing for it, "
                       "and a list after -file or -deh runs to the next argument beginning with "
                       "\"-\", so one right before \"+exec qorvex.cfg\" takes both as more files.";
    case ResponseFileReading::ZDoomLine:
        break;
    }
    return {};
}

} // namespace tarnwick
