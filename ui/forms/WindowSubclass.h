// Sees a control's own messages before the control does, for as long as the
// object lives. Exceptions from the handler go to the application's error box.
// A window may carry several, each passing on what it does not answer.
#pragma once

#include "ProcedureThunk.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

namespace tarnwick::forms {

class Application;

class WindowSubclass {
  public:
    // Returns a result to answer the message itself, or nothing to pass it on.
    // A handler never ends its own subclass.
    using Handler = std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)>;

    WindowSubclass(Application& application, HWND window, Handler handler);
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;
    ~WindowSubclass();

    // What the window would answer without this subclass.
    LRESULT CallNext(UINT message, WPARAM wParam, LPARAM lParam) const;

  private:
    // What the window's procedure needs; it outlives the object when another
    // subclass still sits above this one (see the destructor).
    struct Link {
        Application& application;
        HWND window;  // none once the window is gone
        bool unicode; // the window's character set, which a subclass keeps
        WNDPROC next;
        Handler handler; // none once the object is gone

        LRESULT CallNext(HWND to, UINT message, WPARAM wParam, LPARAM lParam) const;
    };

    static LRESULT CALLBACK Procedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam);

    std::unique_ptr<Link> link_;
    std::unique_ptr<ProcedureThunk> thunk_;
};

} // namespace tarnwick::forms
