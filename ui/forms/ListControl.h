// What a list box and a combo box's list have in common: their items, read
// and appended in one way for both, through the messages of the control's
// kind.
#pragma once

#include "Control.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::forms {

class ListControl : public Control {
  public:
    int Count() const;
    // Empty for an index out of range.
    std::string Item(int index) const;
    std::vector<std::string> Items() const;

  protected:
    struct ItemMessages {
        UINT count;
        UINT textLength;
        UINT text;
        UINT insert;
    };
    ListControl(Container& parent, int id, Bounds bounds, WindowKind kind,
                const ItemMessages& messages)
        : Control(parent, id, {}, bounds, kind), messages_(messages) {}

    // Appends with the insert message, which never sorts, not even in a
    // sorted box: the order is the caller's.
    void Append(std::string_view text) const;

  private:
    ItemMessages messages_;
};

} // namespace tarnwick::forms
