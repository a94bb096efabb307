#include "VeskFolder.h"

#include "BuiltInCaptions.h"
#include "FolderOnDisk.h"
#include "NewFolderButtonLayout.h"
#include "NewFolderPath.h"
#include "ShortenPath.h"
#include "Win32Error.h"
#include "Win32Platform.h"

#include "UserPrompts.h"

#include <shellapi.h>

#include <new>
#include <utility>

namespace tarnwick::vesk {

namespace {

constexpr std::size_t StatusLineLimit = 50;

class ScreenDC {
  public:
    explicit ScreenDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScreenDC() { ReleaseDC(window_, dc_); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    operator HDC() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

std::string PathOf(LPCITEMIDLIST item) {
    char path[MAX_PATH] = {};
    if (item == nullptr || !shell::GetPathFromIDList(item, path)) return {};
    return path;
}

// The item's parsing name, when the shell gives it as 8-bit text.
std::string ParsingNameOf(LPCITEMIDLIST item) {
    ShellFolder desktop = DesktopFolder();
    STRRET name{};
    if (FAILED(desktop->GetDisplayNameOf(item, SHGDN_FORPARSING, &name))) return {};
    if (name.uType == STRRET_CSTR) return name.cStr;
    if (name.uType == STRRET_WSTR) shell::TaskMemFree(name.pOleStr);
    return {};
}

std::string DisplayNameOf(LPCITEMIDLIST item) {
    SHFILEINFOA info{};
    if (!shell::GetFileInfo(reinterpret_cast<LPCSTR>(item), 0, &info, sizeof info,
                            SHGFI_PIDL | SHGFI_DISPLAYNAME | SHGFI_TYPENAME))
        return {};
    return info.szDisplayName;
}

ItemIdList CopyOf(LPCITEMIDLIST item) {
    ItemIdList copy(shell::CloneIDList(item));
    if (copy == nullptr) throw std::bad_alloc();
    return copy;
}

} // namespace

TVeskFolderDialog::TVeskFolderDialog(std::function<HWND()> ownerWindow, forms::UserPrompts& prompts)
    : ownerWindow_(std::move(ownerWindow)), prompts_(prompts),
      languageCode_(LanguageCode(GetSystemDefaultLangID())),
      labelCaption_(languageCode_, BuiltInLabelCaptions),
      newFolderCaption_(languageCode_, BuiltInNewFolderCaptions) {}

TVeskFolderDialog::~TVeskFolderDialog() = default;

void TVeskFolderDialog::SetNewFolderVisible(bool visible) {
    if (visible == newFolderVisible_) return;
    newFolderVisible_ = visible;
    if (ButtonExists()) ShowWindow(button_, visible ? SW_SHOW : SW_HIDE);
}

void TVeskFolderDialog::SetNewFolderEnabled(bool enabled) {
    newFolderEnabled_ = enabled;
    if (ButtonExists()) EnableNewFolderButton();
}

void TVeskFolderDialog::SetLabelCaptions(const CaptionList& captions) {
    // The title is given to the shell when it opens: a new one shows at the
    // next run.
    labelCaption_.Assign(captions);
}

void TVeskFolderDialog::SetNewFolderCaptions(const CaptionList& captions) {
    if (newFolderCaption_.Assign(captions) && ButtonExists())
        SetWindowTextA(button_, NewFolderCaption().c_str());
}

bool TVeskFolderDialog::Execute() {
    selectionText_ = folder_;
    HWND owner = ownerWindow_ ? ownerWindow_() : nullptr;
    ItemIdList root;
    if (auto specialFolder = SpecialFolderOf(rootFolder_)) {
        ITEMIDLIST* items = nullptr;
        HRESULT result = shell::GetSpecialFolderLocation(owner, *specialFolder, &items);
        if (FAILED(result))
            throw forms::SystemFailure("SHGetSpecialFolderLocation", static_cast<DWORD>(result));
        root.reset(items);
    }

    std::string title = LabelCaption();
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pidlRoot = root.get();
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = ShellFlags(flags_);
    info.lpfn = &TVeskFolderDialog::BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);

    lastSelected_.reset();
    pendingError_ = nullptr;
    ItemIdList chosen;
    // A New folder action ends the shell dialog so that it opens again at
    // the new folder.
    do {
        initialized_ = false;
        restart_ = false;
        folder_ = selectionText_;
        chosen.reset(shell::BrowseForFolder(&info));
        dialog_ = nullptr;
        button_ = nullptr;
        shellProcedure_ = nullptr;
    } while (restart_ && chosen == nullptr && pendingError_ == nullptr);
    lastSelected_.reset();

    if (pendingError_) std::rethrow_exception(std::exchange(pendingError_, nullptr));
    if (chosen == nullptr) return false;
    folder_ = PathOf(chosen.get());
    selectionText_ = folder_;
    return true;
}

int CALLBACK TVeskFolderDialog::BrowseCallback(HWND dialog, UINT notice, LPARAM data, LPARAM self) {
    auto& browser = *reinterpret_cast<TVeskFolderDialog*>(self);
    if (browser.pendingError_) return 0;
    try {
        if (notice == BFFM_INITIALIZED)
            browser.Initialized(dialog);
        else if (notice == BFFM_SELCHANGED)
            browser.SelectionChanged(dialog, reinterpret_cast<LPCITEMIDLIST>(data));
    } catch (...) {
        browser.pendingError_ = std::current_exception();
        browser.Fail(dialog);
    }
    return 0;
}

LRESULT CALLBACK TVeskFolderDialog::DialogProcedure(HWND dialog, UINT message, WPARAM wParam,
                                                    LPARAM lParam) {
    auto* browser = reinterpret_cast<TVeskFolderDialog*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (browser == nullptr) return DefDlgProcA(dialog, message, wParam, lParam);
    WNDPROC shellProcedure = browser->shellProcedure_;
    if (message == WM_COMMAND && LOWORD(wParam) == NewFolderButtonId &&
        HIWORD(wParam) == BN_CLICKED) {
        if (!browser->pendingError_) {
            try {
                browser->NewFolderClicked();
            } catch (...) {
                browser->pendingError_ = std::current_exception();
                browser->Fail(dialog);
            }
        }
        return 0;
    }
    if (message == WM_NCDESTROY) {
        // The opening ends: give the window back its own procedure.
        SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(shellProcedure));
        SetWindowLongPtrA(dialog, GWLP_USERDATA, 0);
        browser->dialog_ = nullptr;
        browser->button_ = nullptr;
    }
    // Everything else is the shell dialog's own handling, which its window
    // procedure (the system's dialog procedure) dispatches.
    return CallWindowProcA(shellProcedure, dialog, message, wParam, lParam);
}

void TVeskFolderDialog::Initialized(HWND dialog) {
    dialog_ = dialog;
    CenterDialog();

    SetWindowLongPtrA(dialog_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    CreateNewFolderButton();
    shellProcedure_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        dialog_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TVeskFolderDialog::DialogProcedure)));

    if (ButtonExists()) {
        EnableNewFolderButton();
        ShowWindow(button_, newFolderVisible_ ? SW_SHOW : SW_HIDE);
    }

    if (DirectoryExists(folder_)) {
        ShellFolder desktop = DesktopFolder();
        if (ItemIdList item = ParsePath(*desktop, folder_)) SelectItem(item.get());
    } else if (lastSelected_) {
        SelectItem(lastSelected_.get());
    }

    initialized_ = true;
    if (OnInitialized) OnInitialized(*this, dialog_);
}

void TVeskFolderDialog::SelectItem(LPCITEMIDLIST item) {
    // By item identifier, never by path. (Wine answers 0 and selects anyway.)
    SendMessageA(dialog_, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(item));
}

void TVeskFolderDialog::CenterDialog() {
    RECT window{};
    GetWindowRect(dialog_, &window);
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    int left = GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2;
    int top = GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2;
    SetWindowPos(dialog_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TVeskFolderDialog::CreateNewFolderButton() {
    int pixelsPerInch = 0;
    {
        ScreenDC screen(nullptr);
        pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    }
    RECT client{};
    GetClientRect(dialog_, &client);
    ButtonPlace place =
        NewFolderButtonPlace(pixelsPerInch, client.bottom, GetSystemMetrics(SM_CYCAPTION));
    button_ = CreateWindowExA(0, "Button", NewFolderCaption().c_str(),
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, place.left,
                              place.top, place.width, place.height, dialog_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(NewFolderButtonId)),
                              GetModuleHandleA(nullptr), nullptr);
    if (button_ == nullptr) forms::ThrowLastError("New folder button");

    // The program's default font: "MS Sans Serif", 8 points.
    if (!buttonFont_) {
        buttonFont_.reset(CreateFontA(-MulDiv(8, pixelsPerInch, 72), 0, 0, 0, FW_NORMAL, FALSE,
                                      FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));
        if (!buttonFont_) forms::ThrowLastError("New folder button");
    }
    PostMessageA(button_, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), TRUE);

    SIZE text{};
    {
        ScreenDC dc(button_);
        HGDIOBJ previous = SelectObject(dc, buttonFont_.get());
        const std::string& caption = NewFolderCaption();
        GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
        SelectObject(dc, previous);
    }
    SetWindowPos(button_, nullptr, 0, 0, NewFolderButtonWidth(pixelsPerInch, text.cx), place.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EnableWindow(button_, newFolderEnabled_);
}

void TVeskFolderDialog::EnableNewFolderButton() {
    EnableWindow(button_, hasPath_ && newFolderEnabled_);
}

void TVeskFolderDialog::SelectionChanged(HWND dialog, LPCITEMIDLIST item) {
    std::string path = PathOf(item);
    if (initialized_ && item != nullptr) lastSelected_ = CopyOf(item);
    selectionPath_ = path;
    selectionText_ = path;

    if (flags_.Has(TBrowseInfoFlags::ShowPath)) {
        std::string status = ShortenPath(path, StatusLineLimit);
        if (status.empty() && item != nullptr) status = ParsingNameOf(item);
        if (status.empty() && item != nullptr) {
            status = DisplayNameOf(item);
            selectionText_ = status;
        }
        SendMessageA(dialog, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(status.c_str()));
    }

    hasPath_ = !selectionText_.empty();
    BOOL okEnabled = flags_.Has(TBrowseInfoFlags::OnlyFileSystem) ? hasPath_ : TRUE;
    SendMessageA(dialog, BFFM_ENABLEOK, 0, okEnabled);
    if (ButtonExists()) EnableNewFolderButton();

    if (OnSelectionChanged) OnSelectionChanged(*this, dialog, item, selectionText_);
}

void TVeskFolderDialog::NewFolderClicked() {
    std::string answer = prompts_.InputBox(dialog_, NewFolderCaption(), "", "");
    if (answer.empty()) return;

    restart_ = true;
    // A selection known only by its display name ("My Computer") is no
    // place on disk: joined to the answer it would name a folder under the
    // current directory, so nothing is created there.
    std::string newPath = JoinNewFolderPath(selectionText_, answer);
    if (!selectionPath_.empty()) CreateFolderPath(newPath);
    if (!selectionPath_.empty() && DirectoryExists(newPath)) {
        selectionText_ = newPath;
    } else {
        prompts_.ShowMessage(dialog_, SystemMessage(ERROR_CANNOT_MAKE), NewFolderCaption(),
                             MB_ICONWARNING | MB_OK);
    }
    CancelDialog(dialog_);
}

void TVeskFolderDialog::CancelDialog(HWND dialog) {
    // The shell dialog's own Cancel command, sent to it alone: a key press
    // would go to whatever window has the keyboard focus.
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

void TVeskFolderDialog::Fail(HWND dialog) {
    restart_ = false;
    CancelDialog(dialog);
}

} // namespace tarnwick::vesk
