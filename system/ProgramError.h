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

} // namespace tarnwick
