// A button of the close kind: the stock close glyph, and a click closes its
// form after any onClick handler.
#pragma once

#include "GlyphButton.h"
#include "StockGlyphs.h"

namespace tarnwick::forms {

class CloseButton : public GlyphButton {
  public:
    CloseButton(Container& parent, int id, Bounds bounds, std::string_view caption)
        : GlyphButton(parent, id, bounds, caption, kCloseGlyph) {}

  private:
    void Clicked() override {
        Button::Clicked();
        OwnerForm().Close();
    }
};

} // namespace tarnwick::forms
