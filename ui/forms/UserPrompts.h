// Everything modal that a person answers: message boxes, the input box, the
// common file dialogs and the sounds that go with them. The application uses
// the real Win32 implementation; tests put a scripted one in its place. Nothing
// else in the program is replaceable this way.
#pragma once

#include "AnsiText.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tarnwick::forms {

struct FileDialogRequest {
    bool save = false; // a save dialog instead of an open dialog
    std::string title;
    std::string filter; // description|pattern pairs separated by "|"
    std::string defaultExt;
    std::string initialDir;
    bool multiSelect = false;
    bool resizable = false;
    std::string fileName; // the file chosen last time, offered again
};

class UserPrompts {
  public:
    virtual ~UserPrompts() = default;

    // MessageBoxA's contract: the button pressed (IDOK, IDYES, IDNO, ...), or 0
    // when the box was closed without an answer.
    virtual int ShowMessage(HWND owner, const std::string& text, const std::string& caption,
                            UINT style) = 0;
    // The same box for a text in UTF-8, which may show names that the ANSI
    // code page lacks characters of: the box shows them whole. As ANSI text
    // it has "?" for each such character. Not for a question (MB_YESNO).
    virtual int ShowUtf8Message(HWND owner, const std::string& text, const std::string& caption,
                                UINT style) {
        return ShowMessage(owner, AnsiFromWide(WideFrom(text, CP_UTF8)), caption, style);
    }

    // The modal input box (at most 255 characters). Returns the typed text on
    // OK and the initial text on Cancel.
    virtual std::string InputBox(HWND owner, const std::string& title, const std::string& prompt,
                                 const std::string& initialText) = 0;

    // The full paths the person confirmed, in the dialog's order; empty when
    // they cancelled.
    virtual std::vector<std::string> ChooseFiles(HWND owner, const FileDialogRequest& request) = 0;

    // The system sound of a message-box type (MB_ICONEXCLAMATION, ...).
    virtual void PlaySound(UINT type) = 0;
};

} // namespace tarnwick::forms
