// A horizontal or vertical scroll bar used as a slider over a range.
#pragma once

#include "Control.h"

#include <functional>

namespace tarnwick::forms {

enum class Orientation { Horizontal, Vertical };

struct ScrollRange {
    int min = 0;
    int max = 100;
    int position = 0;
    int arrowStep = 1;
    int pageStep = 1;
};

class ScrollBar : public Control {
  public:
    // The thumb has a fixed size, whatever the range.
    ScrollBar(Container& parent, int id, Bounds bounds, Orientation orientation,
              const ScrollRange& range);

    int Position() const noexcept { return range_.position; }
    int Min() const noexcept { return range_.min; }
    int Max() const noexcept { return range_.max; }
    // Clamped into the range; raises onChange when the position changes.
    void SetPosition(int position);

    // Raised on every change of position, by the user or by code.
    std::function<void()> onChange;

  private:
    void Scroll(WORD request) override;

    ScrollRange range_;
};

} // namespace tarnwick::forms
