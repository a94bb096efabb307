// The DMFLAGS dialog: 42 check boxes named after game-rule flags. Nothing
// reads them yet; every opening says so, and the ticks last while the
// program runs.
#pragma once

#include "CheckBox.h"
#include "Form.h"
#include "GroupBox.h"

#include <array>
#include <memory>

namespace tarnwick {

class TfrmFlags : public forms::Form {
  public:
    // The rows of the dialog's table; a count that differs fails the build.
    static constexpr int kFlagCount = 42;

    explicit TfrmFlags(forms::Application& application, forms::Dpi dpi = forms::Dpi::OfScreen());

    // CheckBoxN is CheckBox(N), N from 1 to 42.
    forms::CheckBox& CheckBox(int number) { return *checkBoxes_.at(std::size_t(number - 1)); }

  private:
    void FormActivate();

    forms::GroupBox GroupBox1;
    std::array<std::unique_ptr<forms::CheckBox>, kFlagCount> checkBoxes_;
};

} // namespace tarnwick
