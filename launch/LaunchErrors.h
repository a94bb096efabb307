// The errors the launch logic raises; the application's error box shows their
// messages.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tarnwick {

// A failed operation of the operating system (a file, a folder, a process, a
// window), with the system's error code and its own message text: the one
// error type for such failures, in the launch logic and the windows alike.
class IoError : public std::runtime_error {
  public:
    IoError(std::uint32_t code, const std::string& systemMessage)
        : std::runtime_error(systemMessage), code_(code) {}
    std::uint32_t code() const noexcept { return code_; }

  private:
    std::uint32_t code_;
};

// A text read back from a launch file that is not the number its line needs.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A value that Save refuses to write, since it would not come through the
// launch files whole (a double quote in a path, a control character).
class UnsavableValueError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A path that this program or the ports cannot use: a character lost to the
// ANSI code page on its way in, or more characters than they take.
class UnusablePathError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline ConversionError InvalidInteger(const std::string& text) {
    return ConversionError("'" + text + "' is not a valid integer value");
}

inline ConversionError InvalidFloat(const std::string& text) {
    return ConversionError("'" + text + "' is not a valid floating point value");
}

} // namespace tarnwick
