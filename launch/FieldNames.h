// What the main window calls the values it holds: its labels show these
// words, and every message about a value names it by them, so that a person
// finds the field that a message speaks of.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick::fields {

inline constexpr std::string_view kRecordDemo = "Record Demo";
inline constexpr std::string_view kPlayDemo = "Play Demo";
inline constexpr std::string_view kLoadGame = "Load Game";
inline constexpr std::string_view kPlayerClass = "Player class";
inline constexpr std::string_view kStartMap = "Start on map";
inline constexpr std::string_view kParameters = "Parameters";
inline constexpr std::string_view kGravity = "Gravity";
inline constexpr std::string_view kRemoteHost = "Remote host";
inline constexpr std::string_view kLocalPort = "Local Port";
inline constexpr std::string_view kFiles = "Files";

// The values the window holds in its file dialogs rather than in a field.
inline constexpr std::string_view kTheCustomIwad = "The custom IWAD";
inline constexpr std::string_view kTheCustomSourcePort = "The custom source port";
inline constexpr std::string_view kTheWadDirectory = "The WAD directory";

// "The field "Record Demo"", as a message names a field.
inline std::string Field(std::string_view name) {
    return std::string("The field \"").append(name).append("\"");
}

} // namespace tarnwick::fields
