// Sees a control's own messages before the control does, for as long as the
// object lives. Exceptions from the handler go through the guard to the error
// box.
// A window may carry several, each passing on what it does not answer, and
// they may be removed in any order; a handler may even remove its own
// subclass or destroy its window.
#pragma once

#include "HandlerGuard.h"
#include "ProcedureThunk.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

namespace tarnwick::forms {

class WindowSubclass {
  public:
    // Returns a result to answer the message itself, or nothing to pass it on.
    using Handler = std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)>;

    WindowSubclass(HandlerGuard& guard, HWND window, Handler handler);
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;
    ~WindowSubclass();

    // What the window would answer without this subclass.
    LRESULT CallNext(UINT message, WPARAM wParam, LPARAM lParam) const;

  private:
    // What the window's procedure needs. It outlives the object while a
    // message is still in its procedure, and while another subclass that came
    // later still calls it; it frees itself when nothing can call it any more.
    struct Link {
        HandlerGuard& guard;
        HWND window;  // none once the window is gone
        bool unicode; // the window's character set, which a subclass keeps
        WNDPROC next = nullptr;
        Handler handler;
        std::unique_ptr<ProcedureThunk> thunk;
        int calls = 0;          // messages in its procedure now, nested ones too
        bool ownerGone = false; // the object is destroyed

        LRESULT CallNext(HWND to, UINT message, WPARAM wParam, LPARAM lParam) const;
        // Once its owner is gone and no message is in its procedure: leaves
        // the chain and frees itself where it can, else only passes on.
        static void Release(Link* link);
    };

    static LRESULT CALLBACK Procedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam);

    Link* link_; // see Link
};

} // namespace tarnwick::forms
