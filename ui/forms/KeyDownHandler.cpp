#include "KeyDownHandler.h"

#include <commctrl.h>

namespace tarnwick::forms {

std::unique_ptr<WindowSubclass> MakeKeyDownHandler(Application& application, HWND window,
                                                   const std::function<void(WORD)>& onKeyDown) {
    return std::make_unique<WindowSubclass>(
        application, window,
        // The event is the control's member: a pointer to it, since the
        // parameter's reference would not outlive this call.
        [window, event = &onKeyDown](UINT message, WPARAM wParam,
                                     LPARAM lParam) -> std::optional<LRESULT> {
            if (message == WM_KEYDOWN && *event) (*event)(static_cast<WORD>(wParam));
            if (message == WM_GETDLGCODE && lParam) {
                const auto* pending = reinterpret_cast<const MSG*>(lParam);
                if (pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN)
                    return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTMESSAGE;
            }
            return std::nullopt;
        });
}

} // namespace tarnwick::forms
