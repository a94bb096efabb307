// A glyph's images as a button shows them at a scale.
#pragma once

#include "GdiObject.h"
#include "Glyph.h"

#include <windows.h>

namespace tarnwick::forms {

inline constexpr COLORREF kGlyphTransparent = RGB(255, 0, 255);

// The glyph's strip of images, each size pixels square. Scaled pixel for
// pixel: a smoothing stretch would blend the transparent colour into the
// picture's edges. A glyph in the text colour gets COLOR_BTNTEXT. Raises
// IoError when the resource cannot be loaded.
GdiObject<HBITMAP> GlyphStrip(const Glyph& glyph, int size);

} // namespace tarnwick::forms
