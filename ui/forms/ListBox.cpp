#include "ListBox.h"

#include "AnsiText.h"
#include "FormWindow.h"
#include "RedrawSuspension.h"
#include "SystemFunction.h"

#include <shellapi.h>

namespace tarnwick::forms {

ListBox::ListBox(Container& parent, int id, Bounds bounds, int itemHeight)
    : ListControl(parent, id, bounds,
                  {"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                   WS_EX_CLIENTEDGE},
                  {LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_INSERTSTRING}),
      onKeyDown(OwnerForm().App(), Handle(), KeyDownEvent::Enter::ToHandler) {
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, OwnerForm().Resolution().Scale(itemHeight));
}

namespace {

// Owns a drop's data until the drop has been read.
class DroppedFiles {
  public:
    explicit DroppedFiles(HDROP drop) : drop_(drop) {}
    DroppedFiles(const DroppedFiles&) = delete;
    DroppedFiles& operator=(const DroppedFiles&) = delete;
    ~DroppedFiles() {
        static const auto finish =
            SystemFunction<decltype(&DragFinish)>("shell32.dll", "DragFinish");
        finish(drop_);
    }

    // Read wide: a character the ANSI code page lacks shows as "?", never as
    // a look-alike that could name another file.
    std::vector<std::string> Paths() const {
        static const auto query =
            SystemFunction<decltype(&DragQueryFileW)>("shell32.dll", "DragQueryFileW");
        std::vector<std::string> paths;
        const UINT count = query(drop_, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::wstring path(query(drop_, i, nullptr, 0) + 1, L'\0');
            path.resize(query(drop_, i, path.data(), UINT(path.size())));
            paths.push_back(AnsiFromWide(path));
        }
        return paths;
    }

  private:
    HDROP drop_;
};

} // namespace

void ListBox::AcceptDroppedFiles() {
    drops_ = std::make_unique<WindowSubclass>(
        OwnerForm().App(), Handle(),
        [this](UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
            if (message != WM_DROPFILES) return std::nullopt;
            const DroppedFiles drop(reinterpret_cast<HDROP>(wParam));
            if (onFilesDropped) onFilesDropped(drop.Paths());
            return 0;
        });
    // What DragAcceptFiles does, without loading the shell for it.
    SetWindowLongPtrA(Handle(), GWL_EXSTYLE,
                      GetWindowLongPtrA(Handle(), GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
}

void ListBox::SetItems(const std::vector<std::string>& items) {
    const RedrawSuspension quiet(Handle());
    Clear();
    for (const std::string& item : items)
        Append(item);
}

void ListBox::Add(const std::string& item) { Insert(-1, item); }

void ListBox::Insert(int index, const std::string& item) {
    SendMessageA(Handle(), LB_INSERTSTRING, WPARAM(index), reinterpret_cast<LPARAM>(item.c_str()));
}

void ListBox::Remove(int index) { SendMessageA(Handle(), LB_DELETESTRING, WPARAM(index), 0); }

void ListBox::Clear() { SendMessageA(Handle(), LB_RESETCONTENT, 0, 0); }

int ListBox::SelectedIndex() const { return int(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)); }

void ListBox::SetSelectedIndex(int index) {
    SendMessageA(Handle(), LB_SETCURSEL, WPARAM(index), 0);
}

} // namespace tarnwick::forms
