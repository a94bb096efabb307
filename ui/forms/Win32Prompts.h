// The real answers: Windows' message boxes and common file dialogs, and the
// application's own input box.
#pragma once

#include "UserPrompts.h"

namespace tarnwick::forms {

class Application;

class Win32Prompts : public UserPrompts {
  public:
    explicit Win32Prompts(Application& application) : application_(application) {}

    int ShowMessage(HWND owner, const std::string& text, const std::string& caption,
                    UINT style) override;
    int ShowUtf8Message(HWND owner, const std::string& text, const std::string& caption,
                        UINT style) override;
    std::string InputBox(HWND owner, const std::string& title, const std::string& prompt,
                         const std::string& initialText) override;
    std::vector<std::string> ChooseFiles(HWND owner, const FileDialogRequest& request) override;
    void PlaySound(UINT type) override;

  private:
    Application& application_;
};

} // namespace tarnwick::forms
