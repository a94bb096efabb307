#include "ThreadWindows.h"

namespace tarnwick::forms {
namespace {

struct Query {
    HWND except;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM parameter) {
    auto& query = *reinterpret_cast<Query*>(parameter);
    if (window != query.except && IsWindowVisible(window) && IsWindowEnabled(window))
        query.found.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> EnabledWindowsOfThread(HWND except) {
    // A thread's windows are enumerated from the top of the window order.
    Query query{except, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

} // namespace tarnwick::forms
