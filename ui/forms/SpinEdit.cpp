#include "SpinEdit.h"

#include "FormWindow.h"
#include "IntegerText.h"
#include "Win32Error.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace tarnwick::forms {

SpinEdit::SpinEdit(Container& parent, int id, Bounds bounds, const SpinRange& range, int value)
    : Control(parent, id, std::to_string(std::clamp(value, range.min, range.max)), bounds,
              {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE}),
      range_(range),
      width_(OwnerForm().Resolution().ScaleSpan(parent.Origin().left + bounds.left, bounds.width)) {
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
    FitArrowsInside();
    SendMessageA(arrows_, UDM_SETRANGE32, WPARAM(range_.min), range_.max);
    UDACCEL step{0, static_cast<UINT>(range_.step)};
    SendMessageA(arrows_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
    SetValue(value);
}

// The arrows stand at the right end of the control's bounds and cover the
// field's right border, as they do on Windows.
void SpinEdit::FitArrowsInside() {
    RECT field{};
    GetWindowRect(Handle(), &field);
    RECT arrows{};
    GetWindowRect(arrows_, &arrows);
    MapWindowPoints(nullptr, OwnerForm().Handle(), reinterpret_cast<POINT*>(&field), 2);
    const int arrowsWidth = arrows.right - arrows.left;
    const int right = field.left + width_;
    const int height = field.bottom - field.top;
    SetWindowPos(arrows_, nullptr, right - arrowsWidth, field.top, arrowsWidth, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(Handle(), nullptr, 0, 0, right - arrowsWidth + kBorder - field.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int SpinEdit::Value() const {
    const std::optional<int> typed = ParseTypedInteger(Text());
    return typed ? std::clamp(*typed, range_.min, range_.max) : range_.min;
}

void SpinEdit::SetValue(int value) {
    value = std::clamp(value, range_.min, range_.max);
    SendMessageA(arrows_, UDM_SETPOS32, 0, value);
    SetText(std::to_string(value));
}

} // namespace tarnwick::forms
