#include "PathComboBox.h"

#include "AnsiText.h"
#include "FormWindow.h"

#include <algorithm>

namespace tarnwick::forms {
namespace {

// Room before an item's text, as the system's own lists leave it.
constexpr int kItemMargin = 2;

} // namespace

PathComboBox::PathComboBox(Container& parent, int id, Bounds bounds, int itemHeight)
    : ComboBox(parent, id, bounds, ComboKind::Editable, itemHeight,
               CBS_OWNERDRAWFIXED | CBS_HASSTRINGS) {
    // Drawn by us, an item takes the height asked for; never less than a line
    // of the font, which a double-byte system's face makes taller.
    TEXTMETRICA font{};
    GetTextMetricsA(OwnerForm().TextCanvas(), &font);
    const int height = std::max(OwnerForm().Resolution().Scale(itemHeight), int(font.tmHeight));
    SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, height);
}

void PathComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == UINT(-1)) return; // an empty list's focus
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkMode(item.hDC, TRANSPARENT);
    const HGDIOBJ previous = SelectObject(item.hDC, OwnerForm().UiFont());
    RECT room = item.rcItem;
    room.left += OwnerForm().Resolution().Scale(kItemMargin);
    const std::wstring shown =
        EndThatFits(item.hDC, WideFromAnsi(Item(int(item.itemID))), int(room.right - room.left));
    DrawTextW(item.hDC, shown.c_str(), int(shown.size()), &room,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(item.hDC, previous);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

std::wstring EndThatFits(HDC dc, std::wstring_view text, int width) {
    const auto extent = [dc](std::wstring_view shown) {
        SIZE size{};
        GetTextExtentPoint32W(dc, shown.data(), int(shown.size()), &size);
        return int(size.cx);
    };
    if (extent(text) <= width) return std::wstring(text);
    constexpr std::wstring_view kEllipsis = L"...";
    const int room = width - extent(kEllipsis);
    // The longest end that fits, never from the second half of a surrogate pair.
    std::size_t start = 1;
    while (start < text.size() &&
           ((text[start] >= 0xDC00 && text[start] <= 0xDFFF) || extent(text.substr(start)) > room))
        ++start;
    return std::wstring(kEllipsis).append(text.substr(start));
}

} // namespace tarnwick::forms
