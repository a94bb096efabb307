#include "WindowSubclass.h"

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

WindowSubclass::WindowSubclass(HandlerGuard& guard, HWND window, Handler handler)
    : link_(new Link{guard, window, IsWindowUnicode(window) != FALSE, nullptr, std::move(handler),
                     nullptr}) {
    std::unique_ptr<Link> owned(link_);
    link_->thunk = std::make_unique<ProcedureThunk>(link_, Procedure);
    SetLastError(0);
    link_->next = reinterpret_cast<WNDPROC>(SetProcedure(
        window, link_->unicode, reinterpret_cast<LONG_PTR>(link_->thunk->Procedure())));
    if (!link_->next && GetLastError() != 0) ThrowLastError("SetWindowLongPtr");
    static_cast<void>(owned.release());
}

WindowSubclass::~WindowSubclass() {
    link_->ownerGone = true;
    Link::Release(link_);
}

void WindowSubclass::Link::Release(Link* link) {
    if (!link->ownerGone || link->calls > 0) return; // the outermost call comes back here
    if (!link->window) {
        delete link; // gone with its window: nothing calls it any more
        return;
    }
    if (CurrentProcedure(link->window, link->unicode) ==
        reinterpret_cast<LONG_PTR>(link->thunk->Procedure())) {
        SetProcedure(link->window, link->unicode, reinterpret_cast<LONG_PTR>(link->next));
        delete link;
        return;
    }
    // Another subclass came later and still calls this one: it stays in the
    // chain, passing every message on, until the window's last message.
    link->handler = nullptr;
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
    Link* link = reinterpret_cast<Link*>(linkAddress);
    // Held across the handler and the rest of the chain, so that neither a
    // handler that ends this subclass nor one that destroys the window frees
    // the link under this call.
    ++link->calls;
    std::optional<LRESULT> answer;
    if (link->handler && !link->ownerGone)
        answer = link->guard.Guarded([&] { return link->handler(message, wParam, lParam); },
                                     std::optional<LRESULT>{});
    LRESULT result = answer.value_or(0);
    const HWND window = link->window;
    if (!answer && window) {
        if (message == WM_NCDESTROY) link->window = nullptr;
        result = link->CallNext(window, message, wParam, lParam);
    }
    --link->calls;
    Link::Release(link);
    return result;
}

} // namespace tarnwick::forms
