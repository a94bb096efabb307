// The errors the launch logic raises besides the system's (IoError); the
// application's error box shows their messages.
#pragma once

#include "SystemError.h"

#include <string>

namespace tarnwick {

// A text read back from a launch file that is not the number its line needs.
class ConversionError : public ProgramError {
  public:
    using ProgramError::ProgramError;
};

// A value that Save refuses to write, since it would not come through the
// launch files whole (a double quote in a path, a control character).
class UnsavableValueError : public ProgramError {
  public:
    using ProgramError::ProgramError;
};

// A launch that Run refuses to start, since it would start no game: no port
// to run, or no IWAD for it.
class UnstartableLaunchError : public ProgramError {
  public:
    using ProgramError::ProgramError;
};

// A path that this program or the ports cannot use: a character lost to the
// ANSI code page on its way in, or more characters than they take.
class UnusablePathError : public ProgramError {
  public:
    using ProgramError::ProgramError;
};

// Text typed or pasted that holds characters the ANSI code page lacks: this
// program cannot hold it, and no look-alike stands in for it. Its UTF-8
// message shows the text whole.
class UnusableTextError : public Utf8TextError {
  public:
    using Utf8TextError::Utf8TextError;
};

inline ConversionError InvalidInteger(const std::string& text) {
    return ConversionError("'" + text + "' is not a valid integer value");
}

inline ConversionError InvalidFloat(const std::string& text) {
    return ConversionError("'" + text + "' is not a valid floating point value");
}

} // namespace tarnwick
