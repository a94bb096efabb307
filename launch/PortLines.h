// The families of source ports, by the executable's file name: how each reads
// the response file that the batch file hands it after "@", and so whether
// Run can leave the port to the batch file or must start it with its own
// arguments.
#pragma once

#include "AnsiCodePage.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

enum class PortLine {
    // GZDoom, ZDoom, SkullTag and their heirs: they read the response file
    // and run the console script, as the launch files are written for.
    ZDoom,
    // Chocolate Doom, Crispy Doom and their Heretic, Hexen and Strife games:
    // no console, and a list after -file or -deh runs to the next argument
    // beginning with "-".
    Chocolate,
    // Woof, Nugget Doom, DSDA-Doom, PrBoom+, Eternity: response files read
    // their own way or not at all.
    Boom,
    // Any other executable: the batch file and the response file, as the
    // ZDoom line reads them.
    Other,
};

// The executable's file name as the lines name ports: without its folder
// (looked at by the characters of the code page) and without ".exe", with
// the letters A to Z in lower case. "C:\Ports\Woof.EXE" is "woof".
std::string PortName(const AnsiCodePage& codePage, std::string_view executable);

// The line of the port that the executable names, in any folder and any case.
PortLine LineOf(const AnsiCodePage& codePage, std::string_view executable);

// Whether Run starts the port itself, with the arguments in its own spelling,
// rather than through the batch file and the response file, which it misreads.
inline bool StartsDirectly(PortLine line) {
    return line == PortLine::Chocolate || line == PortLine::Boom;
}

// The arguments that a port of the line takes from the response file's bytes:
// for the ZDoom line (and any other port) arguments end at a byte up to the
// blank or, read as a signed char, above 127, and one in double quotes runs
// to the next, where \" is a quote; for the Chocolate line they end at white
// space, and one that begins with a double quote runs to the next, on the
// same line.
std::vector<std::string> ResponseFileArguments(std::string_view bytes, PortLine line);

} // namespace tarnwick
