// The root of every error this program raises. Its message is what the
// application's error box shows; a handler that knows more about the failure
// adds it and raises the same error again, which keeps its type and whatever
// else it carries. Holds no system header, so the launch logic also builds
// natively.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace tarnwick {

// Not a std::runtime_error: that one keeps its message in the library's
// reference-counted string, whose code would double the program's share of
// the standard library for nothing.
class ProgramError : public std::exception {
  public:
    explicit ProgramError(std::string message) : message_(std::move(message)) {}

    const char* what() const noexcept override { return message_.c_str(); }

    // Says more after the message. Only the message changes: the error is
    // the same object, of the same type, so `throw;` raises it on.
    void Append(std::string_view more) { message_ += more; }

  private:
    std::string message_;
};

// An error whose message shows text that the ANSI code page lacks characters
// of: the message has "?" for each, its UTF-8 form, which the error box
// shows, the text whole. Nothing is appended to it.
class Utf8TextError : public ProgramError {
  public:
    Utf8TextError(const std::string& message, std::string utf8Message)
        : ProgramError(message), utf8Message_(std::move(utf8Message)) {}
    const std::string& Utf8Message() const noexcept { return utf8Message_; }

  private:
    std::string utf8Message_;
};

} // namespace tarnwick
