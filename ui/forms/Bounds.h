// A control's place, in pixels at 96 dots per inch.
#pragma once

namespace tarnwick::forms {

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

} // namespace tarnwick::forms
