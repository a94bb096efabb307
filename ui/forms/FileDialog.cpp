#include "FileDialog.h"

#include "Application.h"
#include "Form.h"

namespace tarnwick::forms {

FileDialog::FileDialog(Form& owner, FileDialogRequest request)
    : owner_(owner), request_(std::move(request)) {}

bool FileDialog::Execute() {
    std::vector<std::string> chosen = owner_.App().Prompts().ChooseFiles(owner_.Handle(), request_);
    if (chosen.empty()) return false;
    files_ = std::move(chosen);
    request_.fileName = files_.front();
    return true;
}

} // namespace tarnwick::forms
