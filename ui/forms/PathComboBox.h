// An editable field whose drop-down list offers paths, such as the folders
// that hold games. A path too long for the list, which stays on the monitor's
// work area (WidenListToItems), shows its end after "...": where paths begin
// alike, their last folders tell them apart.
#pragma once

#include "ComboBox.h"

#include <cstddef>
#include <string_view>

namespace tarnwick::forms {

class PathComboBox : public ComboBox {
  public:
    PathComboBox(Container& parent, int id, Bounds bounds, int itemHeight);

  private:
    void DrawItem(const DRAWITEMSTRUCT& item) override;
};

// How a text fits a width in the device context's font: whole where it fits
// (0), else as much of its end as fits after "...": where that end begins.
std::size_t EndThatFits(HDC dc, std::wstring_view text, int width);

} // namespace tarnwick::forms
