// A drop-down list to pick from, or an editable field with a drop-down list
// of suggestions, such as paths.
#pragma once

#include "KeyDownEvent.h"
#include "ListControl.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::forms {

enum class ComboKind {
    DropDownList, // the user picks an item and cannot type
    Editable,     // a text field with suggestions
};

enum class Sorting { None, Sorted };

// How the drop-down list shows an item too wide for it: cut where the list
// ends, as the system draws it, or (for paths) its end after "...", since
// where paths begin alike their last folders tell them apart.
enum class WideItems { Cut, ShowTheirEnd };

class ComboBox : public ListControl {
  public:
    // bounds.height is the height of the closed box; itemHeight that of one
    // item of the drop-down list.
    ComboBox(Container& parent, int id, Bounds bounds, ComboKind kind, int itemHeight,
             std::span<const std::string_view> items = {}, Sorting sorting = Sorting::None,
             WideItems wideItems = WideItems::Cut);

    // Replaces every item; nothing is selected afterwards.
    void SetItems(std::span<const std::string> items);
    void SetItems(std::span<const std::string_view> items);

    // Selects the whole text of an editable box's field: typing replaces it.
    void SelectAllText();
    // Widens the drop-down list (never the box) until its widest item fits,
    // for a few long items such as paths; but no further than the right edge
    // of the monitor's work area, measured from where the box stands when the
    // list opens.
    void WidenListToItems();

    // -1 when nothing is selected. Setting it raises no change event.
    int SelectedIndex() const;
    void SetSelectedIndex(int index);

    // Raised by the user's choice of another item, and of the selected item
    // again in the open list (a click on it, or Enter), so that choosing an
    // entry that opens a dialog opens it again; never by SetSelectedIndex: the
    // system notifies only what the user does, and code that fills or selects
    // must not start what a choice starts.
    std::function<void()> onChange;
    // Enter is the handler's while it listens (KeyDownEvent).
    KeyDownEvent onKeyDown;

  private:
    void Command(WORD code) override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;

    Sorting sorting_;
    int listWidth_ = 0; // as WidenListToItems asked; 0: the box's own
    int selected_ = -1; // as the last choice or SetSelectedIndex left it
    // While the list is open: whether a choice was raised, and whether the
    // list is closing on the selected item chosen again.
    bool dropped_ = false;
    bool changedWhileDropped_ = false;
    bool chosenAgain_ = false;
};

// How a text fits a width in the device context's font: whole where it fits
// (0), else as much of its end as fits after "...": where that end begins.
std::size_t EndThatFits(HDC dc, std::wstring_view text, int width);

} // namespace tarnwick::forms
