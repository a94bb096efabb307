#include "KeyDownHandler.h"

namespace tarnwick::forms {

// The event is the control's member: a pointer to it, since the parameter's
// reference would not outlive this call.
KeyDownHandler::KeyDownHandler(Application& application, HWND window, const KeyDownEvent& onKeyDown,
                               bool wantsEnter)
    : subclass_(application, window,
                [this, event = &onKeyDown, wantsEnter](UINT message, WPARAM wParam,
                                                       LPARAM lParam) -> std::optional<LRESULT> {
                    // With Alt held a key arrives as a system key; it is raised
                    // the same way and, unless acted on, still passed on, so
                    // that Alt+F4 and the system menu keys keep working.
                    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && *event &&
                        (*event)(static_cast<WORD>(wParam)))
                        return 0;
                    // Enter is asked for only while someone listens: a field
                    // without the event leaves it to the default button.
                    if (wantsEnter && *event && message == WM_GETDLGCODE && lParam) {
                        const auto* pending = reinterpret_cast<const MSG*>(lParam);
                        if (pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN)
                            return subclass_.CallNext(message, wParam, lParam) | DLGC_WANTMESSAGE;
                    }
                    return std::nullopt;
                }) {}

} // namespace tarnwick::forms
