#include "InputBoxForm.h"

namespace tarnwick::forms {

enum InputBoxId : int { kPrompt = 100, kText, kOk, kCancel };

InputBoxForm::InputBoxForm(Application& application, HWND owner, const std::string& title,
                           const std::string& prompt, const std::string& initialText)
    : Form(application, {title, 314, 97, FrameKind::Dialog, owner}), initialText_(initialText),
      prompt_(*this, kPrompt, {8, 8, 298, 13}, prompt),
      text_(*this, kText, {8, 26, 298, 21}, initialText, kMaxLength),
      ok_(*this, kOk, {150, 62, 75, 25}, "OK"),
      cancel_(*this, kCancel, {231, 62, 75, 25}, "Cancel") {
    ok_.SetModalResult(ModalResult::Ok);
    cancel_.SetModalResult(ModalResult::Cancel);
    SetDefaultButton(ok_);
    SetCancelButton(cancel_);
    onActivate = [this] {
        text_.Focus();
        SendMessageA(text_.Handle(), EM_SETSEL, 0, -1);
    };
}

std::string InputBoxForm::Ask() {
    return ShowModal() == ModalResult::Ok ? text_.Text() : initialText_;
}

} // namespace tarnwick::forms
