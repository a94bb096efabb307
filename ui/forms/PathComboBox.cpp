#include "PathComboBox.h"

#include "AnsiText.h"
#include "FormWindow.h"

#include <algorithm>

namespace tarnwick::forms {
namespace {

// Room before an item's text, as the system's own lists leave it.
constexpr int kItemMargin = 2;

constexpr wchar_t kEllipsis[] = L"...";

int TextWidth(HDC dc, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), int(text.size()), &size);
    return int(size.cx);
}

} // namespace

PathComboBox::PathComboBox(Container& parent, int id, Bounds bounds, int itemHeight)
    : ComboBox(parent, id, bounds, ComboKind::Editable, itemHeight, {}, Sorting::None,
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
