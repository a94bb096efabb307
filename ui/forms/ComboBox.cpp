#include "ComboBox.h"

#include "AnsiText.h"
#include "FormWindow.h"
#include "ListSortOrder.h"
#include "RedrawSuspension.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace tarnwick::forms {
namespace {

// The closed box's own height is set by its selection field; the list drops
// below it in the room the window was created with.
constexpr int kDropDownRoom = 200;

DWORD StyleOf(ComboKind kind, Sorting sorting, WideItems wideItems) {
    DWORD style = WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL;
    style |= kind == ComboKind::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
    if (wideItems == WideItems::ShowTheirEnd) style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    if (sorting == Sorting::Sorted) style |= CBS_SORT;
    return style;
}

Bounds WithDropDownRoom(Bounds bounds) {
    bounds.height += kDropDownRoom;
    return bounds;
}

// Room before an item's text, as the system's own lists leave it.
constexpr int kItemMargin = 2;

constexpr wchar_t kEllipsis[] = L"...";

int TextWidth(HDC dc, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), int(text.size()), &size);
    return int(size.cx);
}

// Keys reach the field that has the focus: the edit inside an editable box.
HWND KeyTarget(HWND box, ComboKind kind) {
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof(parts);
    GetComboBoxInfo(box, &parts);
    return kind == ComboKind::Editable && parts.hwndItem ? parts.hwndItem : box;
}

} // namespace

ComboBox::ComboBox(Container& parent, int id, Bounds bounds, ComboKind kind, int itemHeight,
                   std::span<const std::string_view> items, Sorting sorting, WideItems wideItems)
    : ListControl(parent, id, WithDropDownRoom(bounds),
                  {"COMBOBOX", StyleOf(kind, sorting, wideItems), 0, kind == ComboKind::Editable},
                  {CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_INSERTSTRING}),
      onKeyDown(OwnerForm().App(), KeyTarget(Handle(), kind), KeyDownEvent::Enter::ToHandler),
      sorting_(sorting) {
    const Dpi& dpi = OwnerForm().Resolution();
    // An item takes the height asked for, but never less than a line of the
    // font, which a double-byte system's face makes taller. (Wine keeps the
    // items it draws itself at the font's height whatever is asked.)
    TEXTMETRICA font{};
    GetTextMetricsA(OwnerForm().TextCanvas(), &font);
    SendMessageA(Handle(), CB_SETITEMHEIGHT, 0,
                 std::max(dpi.Scale(itemHeight), int(font.tmHeight)));
    // Size the selection field so that the closed box is exactly as high as
    // the layout says, whatever the borders of this system's combo boxes. The
    // box may settle its height only once the field changes: measure again.
    // (What CB_GETITEMHEIGHT reports is not always what CB_SETITEMHEIGHT took.)
    const int height = dpi.ScaleSpan(parent.Origin().top + bounds.top, bounds.height);
    int field = int(SendMessageA(Handle(), CB_GETITEMHEIGHT, WPARAM(-1), 0));
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT closed{};
        GetWindowRect(Handle(), &closed);
        const int error = height - (closed.bottom - closed.top);
        if (error == 0 || field + error <= 0) break;
        field += error;
        SendMessageA(Handle(), CB_SETITEMHEIGHT, WPARAM(-1), field);
    }
    SetItems(items);
}

void ComboBox::SetItems(std::span<const std::string> items) {
    const std::vector<std::string_view> views(items.begin(), items.end());
    SetItems(views);
}

void ComboBox::SetItems(std::span<const std::string_view> items) {
    const RedrawSuspension quiet(Handle());
    SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
    selected_ = -1;
    // Appending never sorts, not even in a sorted box: the order is ours.
    if (sorting_ == Sorting::None) {
        for (std::string_view item : items)
            Append(item);
        return;
    }
    const auto locale = static_cast<LCID>(SendMessageA(Handle(), CB_GETLOCALE, 0, 0));
    for (std::size_t index : ListSortOrder(items, locale))
        Append(items[index]);
}

void ComboBox::SelectAllText() { SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1)); }

void ComboBox::WidenListToItems() {
    // Measured in the form's font, which the list has; room for the list's
    // scroll bar and its item margins.
    int widest = 0;
    for (const std::string& item : Items()) {
        SIZE size{};
        GetTextExtentPoint32A(OwnerForm().TextCanvas(), item.data(), int(item.size()), &size);
        widest = std::max(widest, int(size.cx));
    }
    listWidth_ = widest + GetSystemMetrics(SM_CXVSCROLL) + OwnerForm().Resolution().Scale(8);
}

int ComboBox::SelectedIndex() const { return int(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

void ComboBox::SetSelectedIndex(int index) {
    SendMessageA(Handle(), CB_SETCURSEL, WPARAM(index), 0);
    selected_ = SelectedIndex();
}

void ComboBox::Command(WORD code) {
    switch (code) {
    case CBN_DROPDOWN:
        if (listWidth_ > 0) {
            // The list opens at the box's left edge; the system never makes it
            // narrower than the box.
            RECT box{};
            GetWindowRect(Handle(), &box);
            MONITORINFO monitor{};
            monitor.cbSize = sizeof(monitor);
            GetMonitorInfoA(MonitorFromRect(&box, MONITOR_DEFAULTTONEAREST), &monitor);
            SendMessageA(Handle(), CB_SETDROPPEDWIDTH,
                         WPARAM(std::min(listWidth_, int(monitor.rcWork.right - box.left))), 0);
        }
        dropped_ = true;
        changedWhileDropped_ = chosenAgain_ = false;
        return;
    case CBN_SELENDOK:
        // The open list closes on its selected item. Closed by a click on an
        // item or by Enter, the person chose it; closed by a press on the box,
        // F4 or Alt with an arrow, they only closed it (Wine reports those as
        // cancelled, Windows may not). A changed item is the change's to
        // report, whichever of the two notifications comes first.
        chosenAgain_ = dropped_ && !changedWhileDropped_ && SelectedIndex() == selected_ &&
                       GetKeyState(VK_LBUTTON) >= 0 && GetKeyState(VK_RBUTTON) >= 0 &&
                       GetKeyState(VK_F4) >= 0 && GetKeyState(VK_MENU) >= 0;
        return;
    case CBN_CLOSEUP:
        // Raised once the list is gone, so that a dialog it opens is not under
        // it.
        dropped_ = false;
        if (std::exchange(chosenAgain_, false) && onChange) onChange();
        return;
    case CBN_SELCHANGE:
        break;
    default:
        return;
    }
    // Wine also notifies an arrow key at either end of the list, where the
    // selection stays: only a real change is the user's choice.
    const int selected = SelectedIndex();
    if (selected == selected_) return;
    selected_ = selected;
    changedWhileDropped_ = dropped_;
    if (onChange) onChange();
}

void ComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == UINT(-1)) return; // an empty list's focus
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkMode(item.hDC, TRANSPARENT);
    const HGDIOBJ previous = SelectObject(item.hDC, OwnerForm().UiFont());
    RECT room = item.rcItem;
    room.left += OwnerForm().Resolution().Scale(kItemMargin);
    const std::wstring text = WideFromAnsi(Item(int(item.itemID)));
    const std::size_t start = EndThatFits(item.hDC, text, int(room.right - room.left));
    // "..." and the end after it.
    constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (start > 0) {
        DrawTextW(item.hDC, kEllipsis, 3, &room, kFormat);
        room.left += TextWidth(item.hDC, kEllipsis);
    }
    DrawTextW(item.hDC, text.c_str() + start, int(text.size() - start), &room, kFormat);
    SelectObject(item.hDC, previous);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

std::size_t EndThatFits(HDC dc, std::wstring_view text, int width) {
    if (TextWidth(dc, text) <= width) return 0;
    const int room = width - TextWidth(dc, kEllipsis);
    // The longest end that fits, never from the second half of a surrogate pair.
    std::size_t start = 1;
    while (start < text.size() && ((text[start] >= 0xDC00 && text[start] <= 0xDFFF) ||
                                   TextWidth(dc, text.substr(start)) > room))
        ++start;
    return start;
}

} // namespace tarnwick::forms
