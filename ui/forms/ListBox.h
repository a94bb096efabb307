// A list of texts, one of which can be selected.
#pragma once

#include "Control.h"
#include "KeyDownHandler.h"
#include "WindowSubclass.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarnwick::forms {

class ListBox : public Control {
  public:
    // Not sorted: items stay in the order they are put in.
    ListBox(Container& parent, int id, Bounds bounds, int itemHeight);

    int Count() const;
    std::string Item(int index) const;
    std::vector<std::string> Items() const;
    void SetItems(const std::vector<std::string>& items);
    void Add(const std::string& item);
    void Insert(int index, const std::string& item);
    void Remove(int index);
    void Clear();

    // -1 when nothing is selected. Setting it raises no event.
    int SelectedIndex() const;
    void SetSelectedIndex(int index);

    // Raised for every key pressed in the list (KeyDownEvent).
    KeyDownEvent onKeyDown;

    // Lets files be dropped on the list from a file manager; each drop raises
    // onFilesDropped with their full paths, in the order the drop lists them.
    void AcceptDroppedFiles();
    std::function<void(const std::vector<std::string>& paths)> onFilesDropped;

  private:
    KeyDownHandler keys_;
    std::unique_ptr<WindowSubclass> drops_;
};

} // namespace tarnwick::forms
