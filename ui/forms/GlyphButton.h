// A push button with a glyph beside its caption.
#pragma once

#include "Button.h"

namespace tarnwick::forms {

class GlyphButton : public Button {
  public:
    GlyphButton(Container& parent, int id, std::string_view caption, Bounds bounds,
                const Glyph& glyph)
        : Button(parent, id, caption, bounds) {
        SetGlyph(glyph);
    }
};

} // namespace tarnwick::forms
