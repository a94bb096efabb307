// A control's key-down event, one way for every control that has one. The
// event owns the handler and the subclass that raises it, so that neither
// outlives the other, and the control's window is watched from the moment a
// handler is set: a control nobody listens to keeps its keys to itself.
#pragma once

#include "WindowSubclass.h"

#include <functional>
#include <optional>

namespace tarnwick::forms {

class KeyDownEvent {
  public:
    // A key pressed in the control, with its virtual-key code (the modifier
    // keys are read with GetKeyState). Returns true when it acted on the key:
    // the control then does not see it.
    using Handler = std::function<bool(WORD key)>;

    // Where Enter goes while a handler listens: to the handler (a list or a
    // combo box, where it acts on the item), or to the form's default button
    // as in a dialog box (an edit field). Without a handler the dialog
    // manager takes Enter for the default button in every control.
    enum class Enter { ToHandler, ToDefaultButton };

    // window: the one that has the focus when the control has it.
    KeyDownEvent(HandlerGuard& guard, HWND window, Enter enter)
        : guard_(guard), window_(window), enter_(enter) {}
    KeyDownEvent(const KeyDownEvent&) = delete;
    KeyDownEvent& operator=(const KeyDownEvent&) = delete;

    // Raises handler for every key pressed in the control, whatever modifier
    // keys are held.
    KeyDownEvent& operator=(Handler handler);

  private:
    std::optional<LRESULT> Message(UINT message, WPARAM wParam, LPARAM lParam);

    HandlerGuard& guard_;
    HWND window_;
    Enter enter_;
    Handler handler_;
    std::optional<WindowSubclass> watch_; // from the first handler on
};

} // namespace tarnwick::forms
