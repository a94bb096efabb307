// How the ports read the response file that the batch file hands them after
// "@", from their own sources: the ZDoom line (GZDoom, ZDoom, SkullTag) in one
// way, Chocolate Doom and Crispy Doom in another, DSDA-Doom not at all.
#pragma once

#include "AnsiCodePage.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

enum class ResponseFileReading {
    // Arguments end at a byte up to the blank or, read as a signed char,
    // above 127; one in double quotes runs to the next, where \" is a quote.
    ZDoomLine,
    // Arguments end at white space; one that begins with a double quote runs
    // to the next, on the same line.
    ChocolateLine,
    None, // the "@" argument stays as it is
};

// The reading of the port that the executable's file name (any case, with
// or without a folder) names; a port it does not know reads as the ZDoom
// line does.
ResponseFileReading ReadingOf(const AnsiCodePage& codePage, std::string_view executable);

// The arguments that a port reading the response file's bytes in that way
// takes from them; one that reads none keeps "@qorvex.rsp".
std::vector<std::string> ResponseFileArguments(std::string_view bytes, ResponseFileReading reading);

// What the person should know about how the port reads what Run hands it;
// empty for a port that reads it as it is written.
std::string PortReadingNote(const AnsiCodePage& codePage, std::string_view executable);

} // namespace tarnwick
