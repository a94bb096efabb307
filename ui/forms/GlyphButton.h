// A push button with a glyph beside its caption.
#pragma once

#include "Button.h"

namespace tarnwick::forms {

class GlyphButton : public Button {
  public:
    GlyphButton(Container& parent, int id, Bounds bounds, std::string_view caption,
                const Glyph& glyph)
        : Button(parent, id, bounds, caption) {
        SetGlyph(glyph);
    }
};

} // namespace tarnwick::forms
