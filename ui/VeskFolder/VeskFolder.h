// TVeskFolderDialog: picking a folder with the shell's folder browser, with
// a New folder button, captions in the system's language, a status line
// showing the selection's path, and the dialog centred on its owner's monitor.
// "Vesk" is this program's name for its folder browser component, nothing
// more: the class TVeskFolderDialog, its unit and its folder VeskFolder.
#pragma once

#include "BrowseOptions.h"
#include "CaptionList.h"
#include "Font.h"
#include "LocalizedCaption.h"
#include "ShellHandles.h"
#include "WindowSubclass.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <optional>
#include <string>

namespace tarnwick::forms {
class Application;
}

namespace tarnwick::vesk {

class TVeskFolderDialog;

// The shell dialog is ready.
using TBrowserInitializedEvent = std::function<void(TVeskFolderDialog& sender, HWND dialogHandle)>;
// The selection changed; itemIdList is valid only during the call.
using TSelectionChangedEvent =
    std::function<void(TVeskFolderDialog& sender, HWND dialogHandle, LPCITEMIDLIST itemIdList,
                       const std::string& folder)>;

class TVeskFolderDialog {
  public:
    // The control identifier of the New folder button in the shell's dialog.
    static constexpr int kNewFolderButtonId = 255;

    // ownerWindow gives the window that owns the shell dialog at each run
    // (the owning form's window; when it gives none, the main form's, else
    // the application's). The application's prompts answer the input box and
    // the warning of a failed New folder action.
    TVeskFolderDialog(forms::Application& application, std::function<HWND()> ownerWindow);
    ~TVeskFolderDialog();
    TVeskFolderDialog(const TVeskFolderDialog&) = delete;
    TVeskFolderDialog& operator=(const TVeskFolderDialog&) = delete;

    // Runs the browser: true when the person chose a folder with OK (Folder
    // then holds its path), false when they cancelled.
    bool Execute();

    const std::string& Folder() const { return folder_; }
    void SetFolder(std::string folder) { folder_ = std::move(folder); }
    TBrowseInfoFlagSet Flags() const { return flags_; }
    void SetFlags(TBrowseInfoFlagSet flags) { flags_ = flags; }
    TSHFolders RootFolder() const { return rootFolder_; }
    bool NewFolderVisible() const { return newFolderVisible_; }
    void SetNewFolderVisible(bool visible);
    bool NewFolderEnabled() const { return newFolderEnabled_; }
    void SetNewFolderEnabled(bool enabled);
    const CaptionList& LabelCaptions() const { return labelCaption_.List(); }
    void SetLabelCaptions(const CaptionList& captions);
    const CaptionList& NewFolderCaptions() const { return newFolderCaption_.List(); }
    void SetNewFolderCaptions(const CaptionList& captions);
    static const char* Version() { return "3.00.00.00"; }

    TBrowserInitializedEvent OnInitialized;
    TSelectionChangedEvent OnSelectionChanged;

    // The captions chosen from the two lists for the system's language.
    const std::string& LabelCaption() const { return labelCaption_.Caption(); }
    const std::string& NewFolderCaption() const { return newFolderCaption_.Caption(); }
    // Whether a caption list still equals its built-in list; a stored form
    // keeps a list only when it differs.
    bool LabelCaptionsAreDefault() const { return labelCaption_.IsDefault(); }
    bool NewFolderCaptionsAreDefault() const { return newFolderCaption_.IsDefault(); }

  private:
    static int CALLBACK BrowseCallback(HWND dialog, UINT notice, LPARAM data, LPARAM self);
    std::optional<LRESULT> DialogMessage(UINT message, WPARAM wParam);
    HWND Owner() const;

    void Initialized(HWND dialog);
    void SelectionChanged(HWND dialog, LPCITEMIDLIST item);
    void CreateNewFolderButton();
    void EnableNewFolderButton();
    void NewFolderClicked();
    void SelectItem(LPCITEMIDLIST item);
    // Ends the running shell dialog without a chosen item.
    static void CancelDialog(HWND dialog);
    void Fail(HWND dialog);
    bool ButtonExists() const { return button_ != nullptr && IsWindow(button_); }

    forms::Application& application_;
    std::function<HWND()> ownerWindow_;

    std::string folder_;
    TBrowseInfoFlagSet flags_{TBrowseInfoFlags::ShowPath};
    TSHFolders rootFolder_ = TSHFolders::foDesktopExpanded;
    bool newFolderVisible_ = true;
    bool newFolderEnabled_ = true;
    std::string languageCode_; // taken once, at construction
    LocalizedCaption labelCaption_;
    LocalizedCaption newFolderCaption_;

    // State of one run and of its openings of the shell dialog.
    HWND dialog_ = nullptr;
    HWND button_ = nullptr;
    // The New folder action, seen before the shell dialog's own handling.
    std::optional<forms::WindowSubclass> newFolderAction_;
    std::optional<forms::Font> buttonFont_;
    std::string selectionText_;
    std::wstring selectionPath_; // the selection's file-system path, if any
    bool hasPath_ = true;
    bool restart_ = false;
    bool initialized_ = false;
    ItemIdList lastSelected_;
    // An error raised inside the shell's callbacks, raised again once the
    // shell dialog has returned: it cannot travel through the shell's frames.
    std::exception_ptr pendingError_;
};

} // namespace tarnwick::vesk
