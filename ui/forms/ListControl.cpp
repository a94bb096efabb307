#include "ListControl.h"

namespace tarnwick::forms {

int ListControl::Count() const { return int(SendMessageA(Handle(), messages_.count, 0, 0)); }

std::string ListControl::Item(int index) const {
    // LB_ERR and CB_ERR are the same.
    const LRESULT length = SendMessageA(Handle(), messages_.textLength, WPARAM(index), 0);
    if (length == LB_ERR) return {};
    // Asked in ANSI of a box that holds any text, the length may be more
    // than the text: what was copied counts.
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(Handle(), messages_.text, WPARAM(index),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

std::vector<std::string> ListControl::Items() const {
    std::vector<std::string> items;
    for (int i = 0, n = Count(); i < n; ++i)
        items.push_back(Item(i));
    return items;
}

void ListControl::Append(std::string_view text) const {
    const std::string item(text);
    SendMessageA(Handle(), messages_.insert, WPARAM(-1), reinterpret_cast<LPARAM>(item.c_str()));
}

} // namespace tarnwick::forms
