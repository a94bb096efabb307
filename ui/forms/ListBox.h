// A list of texts, one of which can be selected.
#pragma once

#include "KeyDownEvent.h"
#include "ListControl.h"
#include "WindowSubclass.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarnwick::forms {

class ListBox : public ListControl {
  public:
    // Not sorted: items stay in the order they are put in.
    ListBox(Container& parent, int id, Bounds bounds, int itemHeight);

    void SetItems(const std::vector<std::string>& items);
    void Add(const std::string& item);
    void Insert(int index, const std::string& item);
    void Remove(int index);
    void Clear();

    // -1 when nothing is selected. Setting it raises no event.
    int SelectedIndex() const;
    void SetSelectedIndex(int index);

    // Enter is the handler's while it listens (KeyDownEvent).
    KeyDownEvent onKeyDown;

    // Lets files be dropped on the list from a file manager; each drop raises
    // onFilesDropped with their full paths, in the order the drop lists them.
    void AcceptDroppedFiles();
    std::function<void(const std::vector<std::string>& paths)> onFilesDropped;

  private:
    std::unique_ptr<WindowSubclass> drops_;
};

} // namespace tarnwick::forms
