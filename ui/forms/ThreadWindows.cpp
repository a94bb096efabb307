#include "ThreadWindows.h"

#include <exception>

namespace tarnwick::forms {
namespace {

struct Query {
    HWND except;
    std::vector<HWND> found;
    std::exception_ptr error;
};

// Called by Windows: an error (no memory for one more window) ends the
// enumeration and is raised again after it, never through the system's frames.
BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM parameter) {
    auto& query = *reinterpret_cast<Query*>(parameter);
    try {
        if (window != query.except && IsWindowVisible(window) && IsWindowEnabled(window))
            query.found.push_back(window);
        return TRUE;
    } catch (...) {
        query.error = std::current_exception();
        return FALSE;
    }
}

} // namespace

std::vector<HWND> EnabledWindowsOfThread(HWND except) {
    // A thread's windows are enumerated from the top of the window order.
    Query query{except, {}, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&query));
    if (query.error) std::rethrow_exception(query.error);
    return query.found;
}

} // namespace tarnwick::forms
