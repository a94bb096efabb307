#include "PortLines.h"

#include "PathRules.h"

#include <algorithm>
#include <array>

namespace tarnwick {
namespace {

struct NamedLine {
    std::string_view name;
    PortLine line;
};

constexpr std::array<NamedLine, 22> kPortNames{{
    {"gzdoom", PortLine::ZDoom},
    {"zdoom", PortLine::ZDoom},
    {"skulltag", PortLine::ZDoom},
    {"uzdoom", PortLine::ZDoom},
    {"lzdoom", PortLine::ZDoom},
    {"qzdoom", PortLine::ZDoom},
    {"vkdoom", PortLine::ZDoom},
    {"zandronum", PortLine::ZDoom},
    {"odamex", PortLine::ZDoom},
    {"chocolate-doom", PortLine::Chocolate},
    {"chocolate-heretic", PortLine::Chocolate},
    {"chocolate-hexen", PortLine::Chocolate},
    {"chocolate-strife", PortLine::Chocolate},
    {"crispy-doom", PortLine::Chocolate},
    {"crispy-heretic", PortLine::Chocolate},
    {"crispy-hexen", PortLine::Chocolate},
    {"woof", PortLine::Boom},
    {"nugget-doom", PortLine::Boom},
    {"dsda-doom", PortLine::Boom},
    {"prboom-plus", PortLine::Boom},
    {"glboom-plus", PortLine::Boom},
    {"eternity", PortLine::Boom},
}};

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

} // namespace

std::string PortName(const AnsiCodePage& codePage, std::string_view executable) {
    std::string name(FileNameOf(codePage, executable));
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    if (name.ends_with(".exe")) name.resize(name.size() - 4);
    return name;
}

PortLine LineOf(const AnsiCodePage& codePage, std::string_view executable) {
    const std::string name = PortName(codePage, executable);
    const auto named = std::find_if(kPortNames.begin(), kPortNames.end(),
                                    [&name](const NamedLine& port) { return port.name == name; });
    return named == kPortNames.end() ? PortLine::Other : named->line;
}

std::vector<std::string> ResponseFileArguments(std::string_view bytes, PortLine line) {
    const bool zdoom = line != PortLine::Chocolate;
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

} // namespace tarnwick
