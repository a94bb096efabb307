// What every window procedure and hook of ours runs its handler through: no
// exception may unwind through Windows' frames. The application is the
// guard; an error that leaves a handler is shown in its error box. (A
// callback that only collects, as an enumeration's, keeps its error and
// raises it again once the system's call has returned.)
#pragma once

#include <exception>

namespace tarnwick::forms {

class HandlerGuard {
  public:
    // Runs a handler; an exception that leaves it is shown and the caller
    // gets fallback.
    template <class Handler, class Result>
    Result Guarded(Handler&& handler, Result fallback) noexcept {
        try {
            return handler();
        } catch (...) {
            ShowError(std::current_exception());
            return fallback;
        }
    }

    // The error box.
    virtual void ShowError(std::exception_ptr error) noexcept = 0;

  protected:
    ~HandlerGuard() = default;
};

} // namespace tarnwick::forms
