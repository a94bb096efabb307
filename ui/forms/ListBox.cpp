#include "ListBox.h"

#include "AnsiText.h"
#include "FormWindow.h"
#include "OwnedHandle.h"
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

// shell32's functions for a drop, looked up before a drop is taken over, so
// that giving it back cannot fail.
struct DropFunctions {
    decltype(&DragQueryFileW) query =
        SystemFunction<decltype(&DragQueryFileW)>("shell32.dll", "DragQueryFileW");
    decltype(&DragFinish) finish =
        SystemFunction<decltype(&DragFinish)>("shell32.dll", "DragFinish");
};

const DropFunctions& Drops() {
    static const DropFunctions functions;
    return functions;
}

// A drop's data, owned until the drop has been read.
struct DropTraits {
    using Handle = HDROP;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle drop) noexcept { Drops().finish(drop); }
};
using DroppedFiles = OwnedHandle<DropTraits>;

// Read wide: a character the ANSI code page lacks shows as "?", never as a
// look-alike that could name another file.
std::vector<std::string> DroppedPaths(const DropFunctions& shell, const DroppedFiles& drop) {
    const auto query = shell.query;
    std::vector<std::string> paths;
    const UINT count = query(drop.Get(), 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(query(drop.Get(), i, nullptr, 0) + 1, L'\0');
        path.resize(query(drop.Get(), i, path.data(), UINT(path.size())));
        paths.push_back(AnsiFromWide(path));
    }
    return paths;
}

} // namespace

void ListBox::AcceptDroppedFiles() {
    drops_ = std::make_unique<WindowSubclass>(
        OwnerForm().App(), Handle(),
        [this](UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
            if (message != WM_DROPFILES) return std::nullopt;
            const DropFunctions& shell = Drops();
            const DroppedFiles drop(reinterpret_cast<HDROP>(wParam));
            if (onFilesDropped) onFilesDropped(DroppedPaths(shell, drop));
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
