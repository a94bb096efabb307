#include "VeskFolder.h"

#include "AnsiText.h"
#include "BuiltInCaptions.h"
#include "FolderOnDisk.h"
#include "NewFolderButtonLayout.h"
#include "NewFolderPath.h"
#include "ShortenPath.h"
#include "Win32Error.h"

#include "Application.h"
#include "CentreOnMonitor.h"
#include "Dpi.h"
#include "Form.h"
#include "UserPrompts.h"

#include <shellapi.h>

#include <new>
#include <utility>

namespace tarnwick::vesk {

namespace {

constexpr std::size_t kStatusLineLimit = 50;

// Paths are worked on wide and given out in ANSI, where a character the ANSI
// code page lacks shows as "?", never as a look-alike that could name
// another folder.
std::wstring PathOf(LPCITEMIDLIST item) {
    wchar_t path[MAX_PATH] = {};
    if (item == nullptr || !shell::GetPathFromIDList(item, path)) return {};
    return path;
}

// The item's parsing name, when the shell gives it as 8-bit text.
std::string ParsingNameOf(LPCITEMIDLIST item) {
    ShellFolder desktop = DesktopFolder();
    STRRET name{};
    if (FAILED(desktop.Get()->GetDisplayNameOf(item, SHGDN_FORPARSING, &name))) return {};
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
    if (!copy) throw std::bad_alloc();
    return copy;
}

} // namespace

TVeskFolderDialog::TVeskFolderDialog(forms::Application& application,
                                     std::function<HWND()> ownerWindow)
    : application_(application), ownerWindow_(std::move(ownerWindow)),
      languageCode_(LanguageCode(GetSystemDefaultLangID())),
      labelCaption_(languageCode_, kBuiltInLabelCaptions),
      newFolderCaption_(languageCode_, kBuiltInNewFolderCaptions) {}

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

HWND TVeskFolderDialog::Owner() const {
    if (HWND owner = ownerWindow_ ? ownerWindow_() : nullptr) return owner;
    if (const forms::Form* main = application_.MainForm()) return main->Handle();
    return application_.Window();
}

bool TVeskFolderDialog::Execute() {
    selectionText_ = folder_;
    const HWND owner = Owner();
    ItemIdList root;
    if (auto specialFolder = SpecialFolderOf(rootFolder_)) {
        ITEMIDLIST* items = nullptr;
        HRESULT result = shell::GetSpecialFolderLocation(owner, *specialFolder, &items);
        if (FAILED(result)) throw ComError(result, "SHGetSpecialFolderLocation");
        root.Reset(items);
    }

    std::string title = LabelCaption();
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pidlRoot = root.Get();
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = ShellFlags(flags_);
    info.lpfn = &TVeskFolderDialog::BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);

    lastSelected_.Reset();
    pendingError_ = nullptr;
    ItemIdList chosen;
    // A New folder action ends the shell dialog so that it opens again at
    // the new folder.
    do {
        initialized_ = false;
        restart_ = false;
        folder_ = selectionText_;
        chosen.Reset(shell::BrowseForFolder(&info));
        newFolderAction_.reset();
        dialog_ = nullptr;
        button_ = nullptr;
    } while (restart_ && !chosen && pendingError_ == nullptr);
    lastSelected_.Reset();

    if (pendingError_) std::rethrow_exception(std::exchange(pendingError_, nullptr));
    if (!chosen) return false;
    folder_ = AnsiFromWide(PathOf(chosen.Get()));
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

std::optional<LRESULT> TVeskFolderDialog::DialogMessage(UINT message, WPARAM wParam) {
    if (message != WM_COMMAND || LOWORD(wParam) != kNewFolderButtonId ||
        HIWORD(wParam) != BN_CLICKED)
        return std::nullopt; // the shell dialog's own handling
    if (!pendingError_) {
        try {
            NewFolderClicked();
        } catch (...) {
            // Raised by Execute once the shell dialog has returned.
            pendingError_ = std::current_exception();
            Fail(dialog_);
        }
    }
    return 0;
}

void TVeskFolderDialog::Initialized(HWND dialog) {
    dialog_ = dialog;
    forms::CentreOnMonitor(dialog_);

    CreateNewFolderButton();
    newFolderAction_.emplace(application_, dialog_, [this](UINT message, WPARAM wParam, LPARAM) {
        return DialogMessage(message, wParam);
    });

    if (ButtonExists()) {
        EnableNewFolderButton();
        ShowWindow(button_, newFolderVisible_ ? SW_SHOW : SW_HIDE);
    }

    if (const std::wstring folder = WideFromAnsi(folder_); DirectoryExists(folder)) {
        ShellFolder desktop = DesktopFolder();
        if (const ItemIdList item = ParsePath(*desktop.Get(), folder)) SelectItem(item.Get());
    } else if (lastSelected_) {
        SelectItem(lastSelected_.Get());
    }

    initialized_ = true;
    if (OnInitialized) OnInitialized(*this, dialog_);
}

void TVeskFolderDialog::SelectItem(LPCITEMIDLIST item) {
    // By item identifier, never by path. (Wine answers 0 and selects anyway.)
    SendMessageA(dialog_, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(item));
}

void TVeskFolderDialog::CreateNewFolderButton() {
    const forms::Dpi dpi = forms::Dpi::OfScreen();
    const int pixelsPerInch = dpi.Value();
    RECT client{};
    GetClientRect(dialog_, &client);
    ButtonPlace place =
        NewFolderButtonPlace(pixelsPerInch, client.bottom, GetSystemMetrics(SM_CYCAPTION));
    button_ = CreateWindowExA(0, "Button", NewFolderCaption().c_str(),
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, place.left,
                              place.top, place.width, place.height, dialog_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNewFolderButtonId)),
                              GetModuleHandleA(nullptr), nullptr);
    if (button_ == nullptr) ThrowLastError("New folder button");

    // The program's font, as its forms have it.
    if (!buttonFont_) buttonFont_.emplace(forms::Font::Ui(dpi));
    PostMessageA(button_, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_->Handle()), TRUE);

    const SIZE text = forms::TextExtent(button_, buttonFont_->Handle(), NewFolderCaption());
    SetWindowPos(button_, nullptr, 0, 0, NewFolderButtonWidth(pixelsPerInch, text.cx), place.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EnableWindow(button_, newFolderEnabled_);
}

void TVeskFolderDialog::EnableNewFolderButton() {
    EnableWindow(button_, hasPath_ && newFolderEnabled_);
}

void TVeskFolderDialog::SelectionChanged(HWND dialog, LPCITEMIDLIST item) {
    selectionPath_ = PathOf(item);
    if (initialized_ && item != nullptr) lastSelected_ = CopyOf(item);
    selectionText_ = AnsiFromWide(selectionPath_);

    if (flags_.Has(TBrowseInfoFlags::ShowPath)) {
        std::string status = AnsiFromWide(ShortenPath(selectionPath_, kStatusLineLimit));
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
    forms::UserPrompts& prompts = application_.Prompts();
    std::string answer = prompts.InputBox(dialog_, NewFolderCaption(), "", "");
    if (answer.empty()) return;

    restart_ = true;
    // A selection known only by its display name ("My Computer") is no
    // place on disk: joined to the answer it would name a folder under the
    // current directory, so nothing is created there.
    // Joined and made on the wide text: "表" (95 5C in code page 932) ends
    // no folder with a separator, and a typed "図表" is one name.
    std::wstring newPath = JoinNewFolderPath(selectionPath_, WideFromAnsi(answer));
    if (!selectionPath_.empty()) CreateFolderPath(newPath);
    if (!selectionPath_.empty() && DirectoryExists(newPath)) {
        selectionText_ = AnsiFromWide(newPath);
    } else {
        prompts.ShowMessage(dialog_, SystemMessage(ERROR_CANNOT_MAKE), NewFolderCaption(),
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
