#include "SpinEdit.h"

#include "Form.h"
#include "IntegerText.h"
#include "Win32Error.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace tarnwick::forms {

SpinEdit::SpinEdit(Container& parent, int id, Bounds bounds, const SpinRange& range, int value)
    : Control(parent, id, std::to_string(std::clamp(value, range.min, range.max)), bounds,
              {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE}),
      range_(range) {
    SendMessageA(Handle(), EM_LIMITTEXT, WPARAM(range_.maxLength), 0);
    // UDS_NOTHOUSANDS: with separators the largest value would not fit the
    // field's length limit. UDS_ALIGNRIGHT narrows the field to make room.
    arrows_ = CreateWindowExA(0, UPDOWN_CLASSA, nullptr,
                              WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_NOTHOUSANDS |
                                  UDS_ALIGNRIGHT | UDS_ARROWKEYS,
                              0, 0, 0, 0, OwnerForm().Handle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id + kArrowsIdOffset)),
                              GetModuleHandleA(nullptr), nullptr);
    if (!arrows_) ThrowLastError("CreateWindowEx up-down");
    // Keep the tab order: the arrows come right after their field.
    SetWindowPos(arrows_, Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
    SendMessageA(arrows_, UDM_SETRANGE32, WPARAM(range_.min), range_.max);
    UDACCEL step{0, static_cast<UINT>(range_.step)};
    SendMessageA(arrows_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
    SetValue(value);
}

int SpinEdit::Value() const {
    const std::optional<int> typed = ParseInteger(Text());
    return typed ? std::clamp(*typed, range_.min, range_.max) : range_.min;
}

void SpinEdit::SetValue(int value) {
    value = std::clamp(value, range_.min, range_.max);
    SendMessageA(arrows_, UDM_SETPOS32, 0, value);
    SetText(std::to_string(value));
}

} // namespace tarnwick::forms
