// The fixed names of the launch file set.
#pragma once

#include <array>
#include <string_view>

namespace tarnwick {

inline constexpr std::string_view kBatchFileName = "qorvex.bat";
inline constexpr std::string_view kResponseFileName = "qorvex.rsp";
inline constexpr std::string_view kConsoleScriptName = "qorvex.cfg";
inline constexpr std::string_view kWadDirVariable = "DOOMWADDIR";

// The order in which a save writes the three files and moves them in.
inline constexpr std::array<std::string_view, 3> kLaunchFilesInSaveOrder{
    kResponseFileName, kConsoleScriptName, kBatchFileName};

} // namespace tarnwick
