// A common open or save dialog kept by its form for the form's whole life, so
// that it offers the file chosen last time again. The person answers it
// through the application's UserPrompts.
#pragma once

#include "UserPrompts.h"

#include <string>
#include <vector>

namespace tarnwick::forms {

class Form;

class FileDialog {
  public:
    FileDialog(Form& owner, FileDialogRequest request);

    // Shows the dialog; true when the person confirmed a file. On Cancel the
    // file chosen before stays.
    bool Execute();

    // The (first) file chosen last, or the one set in code.
    const std::string& FileName() const noexcept { return request_.fileName; }
    void SetFileName(std::string fileName) { request_.fileName = std::move(fileName); }
    // Every file confirmed by the last successful Execute, in the dialog's order.
    const std::vector<std::string>& Files() const noexcept { return files_; }

  private:
    Form& owner_;
    FileDialogRequest request_;
    std::vector<std::string> files_;
};

} // namespace tarnwick::forms
