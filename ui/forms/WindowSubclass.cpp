#include "WindowSubclass.h"

#include "Application.h"
#include "Win32Error.h"

#include <commctrl.h>

namespace tarnwick::forms {

WindowSubclass::WindowSubclass(Application& application, HWND window, Handler handler)
    : application_(application), window_(window), handler_(std::move(handler)) {
    // The object's address is its subclass id, so that a control can carry
    // several (keys and dropped files) without one replacing the other.
    if (!SetWindowSubclass(window_, Procedure, Id(), reinterpret_cast<DWORD_PTR>(this)))
        ThrowLastError("SetWindowSubclass");
}

WindowSubclass::~WindowSubclass() { RemoveWindowSubclass(window_, Procedure, Id()); }

LRESULT CALLBACK WindowSubclass::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR self) {
    auto& subclass = *reinterpret_cast<WindowSubclass*>(self);
    const std::optional<LRESULT> answer = subclass.application_.Guarded(
        [&] { return subclass.handler_(message, wParam, lParam); }, std::optional<LRESULT>{});
    return answer ? *answer : DefSubclassProc(window, message, wParam, lParam);
}

} // namespace tarnwick::forms
