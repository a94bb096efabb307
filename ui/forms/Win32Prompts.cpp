#include "Win32Prompts.h"

#include "AnsiText.h"
#include "FileDialogText.h"
#include "InputBoxForm.h"
#include "QuestionBox.h"
#include "SystemError.h"
#include "SystemFunction.h"

#include <commdlg.h>

namespace tarnwick::forms {
namespace {

// Room for many names chosen at once in a multi-select dialog.
constexpr std::size_t kNameBufferSize = 64 * 1024;

// "%DOOMWADDIR%" and the like are expanded; a folder that does not exist
// leaves the choice to the dialog, so that it opens in any case.
std::wstring InitialFolder(const std::string& folder) {
    if (folder.empty()) return {};
    std::wstring expanded(MAX_PATH * 4, L'\0');
    const DWORD length = ExpandEnvironmentStringsW(WideFromAnsi(folder).c_str(), expanded.data(),
                                                   DWORD(expanded.size()));
    if (length == 0 || length > expanded.size()) return {};
    expanded.resize(length - 1);
    const DWORD attributes = GetFileAttributesW(expanded.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {};
    return expanded;
}

// An Explorer-style dialog can be resized unless the program hooks it; this
// hook does nothing else.
UINT_PTR CALLBACK KeepDialogSize(HWND, UINT, WPARAM, LPARAM) { return 0; }

} // namespace

int Win32Prompts::ShowMessage(HWND owner, const std::string& text, const std::string& caption,
                              UINT style) {
    // Without an owner the box still disables every window of the program.
    if (!owner) style |= MB_TASKMODAL;
    if ((style & MB_TYPEMASK) == MB_YESNO)
        return ShowQuestionBox(application_, owner, text, caption, style);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), style);
}

int Win32Prompts::ShowUtf8Message(HWND owner, const std::string& text, const std::string& caption,
                                  UINT style) {
    if (!owner) style |= MB_TASKMODAL;
    return MessageBoxW(owner, WideFrom(text, CP_UTF8).c_str(), WideFromAnsi(caption).c_str(),
                       style);
}

std::string Win32Prompts::InputBox(HWND owner, const std::string& title, const std::string& prompt,
                                   const std::string& initialText) {
    InputBoxForm box(application_, owner, title, prompt, initialText);
    return box.Ask();
}

// The dialog is asked in wide text, so that a name the ANSI code page lacks
// comes back with "?" where that character stands (AnsiFromWide), never as a
// look-alike that could name another file. A dialog that fails says so with
// its own code (FileDialogError).
std::vector<std::string> Win32Prompts::ChooseFiles(HWND owner, const FileDialogRequest& request) {
    const std::wstring filter = DialogFilter(WideFromAnsi(request.filter));
    const std::wstring folder = InitialFolder(request.initialDir);
    const std::wstring title = WideFromAnsi(request.title);
    const std::wstring defaultExt = WideFromAnsi(request.defaultExt);
    const std::wstring fileName = WideFromAnsi(request.fileName);
    std::wstring names(kNameBufferSize, L'\0');
    names.replace(0, std::min(fileName.size(), kNameBufferSize - 2), fileName);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = names.data();
    dialog.nMaxFile = DWORD(names.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    // OFN_EXPLORER always: without it a multi-select dialog is the old kind,
    // whose blank-separated names break on names with blanks.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (request.multiSelect) dialog.Flags |= OFN_ALLOWMULTISELECT;
    if (request.resizable) {
        dialog.Flags |= OFN_ENABLESIZING;
    } else {
        dialog.Flags |= OFN_ENABLEHOOK;
        dialog.lpfnHook = KeepDialogSize;
    }

    static const auto openDialog =
        SystemFunction<decltype(&GetOpenFileNameW)>("comdlg32.dll", "GetOpenFileNameW");
    static const auto saveDialog =
        SystemFunction<decltype(&GetSaveFileNameW)>("comdlg32.dll", "GetSaveFileNameW");
    static const auto dialogError =
        SystemFunction<decltype(&CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
    const BOOL confirmed = request.save ? saveDialog(&dialog) : openDialog(&dialog);
    if (!confirmed) {
        if (const DWORD error = dialogError())
            throw FileDialogError(error, "The file dialog failed with error " +
                                             std::to_string(error) + ".");
        return {};
    }
    std::vector<std::string> paths;
    for (const std::wstring& path : ChosenFiles(names, dialog.nFileOffset, request.multiSelect))
        paths.push_back(AnsiFromWide(path));
    return paths;
}

void Win32Prompts::PlaySound(UINT type) { MessageBeep(type); }

} // namespace tarnwick::forms
