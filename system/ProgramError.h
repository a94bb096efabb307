// The root of every error this program raises. Its message is what the
// application's error box shows; a handler that knows more about the failure
// adds it and raises the same error again, which keeps its type and whatever
// else it carries. Holds no system header, so the launch logic also builds
// natively.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tarnwick {

class ProgramError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;

    // Says more after the message. Only the message changes: the error is
    // the same object, of the same type, so `throw;` raises it on.
    void Append(std::string_view more) {
        std::runtime_error::operator=(std::runtime_error(what() + std::string(more)));
    }
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
