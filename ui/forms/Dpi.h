// The screen resolution a window is laid out for. Layouts are written in
// pixels at 96 dots per inch and scaled by Dpi / 96 when they are created.
#pragma once

#include <windows.h>

namespace tarnwick::forms {

class Dpi {
  public:
    static constexpr int kDesign = 96;

    explicit constexpr Dpi(int dotsPerInch) : value_(dotsPerInch) {}

    // The resolution of the screen the program runs on.
    static Dpi OfScreen() {
        HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return Dpi(value > 0 ? value : kDesign);
    }

    int Value() const noexcept { return value_; }
    int Scale(int designPixels) const noexcept { return MulDiv(designPixels, value_, kDesign); }

  private:
    int value_;
};

} // namespace tarnwick::forms
