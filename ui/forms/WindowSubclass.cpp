#include "WindowSubclass.h"

#include "Application.h"
#include "Win32Error.h"

namespace tarnwick::forms {
namespace {

// Through the functions of the window's own character set, so that no text
// is converted on its way through the subclass.
LONG_PTR CurrentProcedure(HWND window, bool unicode) {
    return unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                   : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

LONG_PTR SetProcedure(HWND window, bool unicode, LONG_PTR procedure) {
    return unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, procedure)
                   : SetWindowLongPtrA(window, GWLP_WNDPROC, procedure);
}

} // namespace

WindowSubclass::WindowSubclass(Application& application, HWND window, Handler handler)
    : link_(new Link{application, window, IsWindowUnicode(window) != FALSE, nullptr,
                     std::move(handler)}),
      thunk_(std::make_unique<ProcedureThunk>(link_.get(), Procedure)) {
    SetLastError(0);
    link_->next = reinterpret_cast<WNDPROC>(
        SetProcedure(window, link_->unicode, reinterpret_cast<LONG_PTR>(thunk_->Procedure())));
    if (!link_->next && GetLastError() != 0) ThrowLastError("SetWindowLongPtr");
}

WindowSubclass::~WindowSubclass() {
    const HWND window = link_->window;
    if (!window) return; // gone with its window
    if (CurrentProcedure(window, link_->unicode) ==
        reinterpret_cast<LONG_PTR>(thunk_->Procedure())) {
        SetProcedure(window, link_->unicode, reinterpret_cast<LONG_PTR>(link_->next));
        return;
    }
    // Another subclass came later and still calls this one: stay in the chain,
    // passing every message on.
    link_->handler = nullptr;
    static_cast<void>(link_.release());
    static_cast<void>(thunk_.release());
}

LRESULT WindowSubclass::CallNext(UINT message, WPARAM wParam, LPARAM lParam) const {
    return link_->CallNext(link_->window, message, wParam, lParam);
}

LRESULT WindowSubclass::Link::CallNext(HWND to, UINT message, WPARAM wParam, LPARAM lParam) const {
    return unicode ? CallWindowProcW(next, to, message, wParam, lParam)
                   : CallWindowProcA(next, to, message, wParam, lParam);
}

LRESULT CALLBACK WindowSubclass::Procedure(HWND linkAddress, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    Link& link = *reinterpret_cast<Link*>(linkAddress);
    if (link.handler) {
        const std::optional<LRESULT> answer = link.application.Guarded(
            [&] { return link.handler(message, wParam, lParam); }, std::optional<LRESULT>{});
        if (answer) return *answer;
    }
    const HWND window = link.window;
    if (message == WM_NCDESTROY) link.window = nullptr;
    return link.CallNext(window, message, wParam, lParam);
}

} // namespace tarnwick::forms
