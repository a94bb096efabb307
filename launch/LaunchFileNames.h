// The fixed names of the launch file set.
#pragma once

#include <string_view>

namespace tarnwick {

inline constexpr std::string_view kBatchFileName = "qorvex.bat";
inline constexpr std::string_view kResponseFileName = "qorvex.rsp";
inline constexpr std::string_view kConsoleScriptName = "qorvex.cfg";
inline constexpr std::string_view kWadDirVariable = "DOOMWADDIR";

} // namespace tarnwick
