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

} // namespace tarnwick
