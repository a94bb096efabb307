// A number field with up and down arrows. The field is the control's window;
// the arrows are an up-down control attached to its right edge, inside the
// control's bounds.
#pragma once

#include "Control.h"

namespace tarnwick::forms {

struct SpinRange {
    int min = 0;
    int max = 100;
    int step = 1;
    int maxLength = 0; // characters; 0 for no limit
};

class SpinEdit : public Control {
  public:
    // The arrows' control identifier is the field's plus this.
    static constexpr int kArrowsIdOffset = 0x1000;

    SpinEdit(Container& parent, int id, Bounds bounds, const SpinRange& range, int value = 0);
    ~SpinEdit() { DestroyWindow(arrows_); }

    // The number in the field, within the range; text that is not an
    // integer counts as the minimum.
    int Value() const;
    void SetValue(int value);

  private:
    static constexpr int kBorder = 2; // the field's border under the arrows
    void FitArrowsInside();

    SpinRange range_;
    int width_; // of field and arrows together
    HWND arrows_ = nullptr;
};

} // namespace tarnwick::forms
