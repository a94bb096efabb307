// The glyphs of the buttons of a stock kind (OK, Cancel, Close), built into
// every program that uses the forms layer (StockGlyphs.rc).
#pragma once

#define TARNWICK_GLYPH_OK 1001
#define TARNWICK_GLYPH_CANCEL 1002
#define TARNWICK_GLYPH_CLOSE 1003

#ifdef __cplusplus
#include "Glyph.h"

namespace tarnwick::forms {

inline constexpr Glyph kOkGlyph{TARNWICK_GLYPH_OK};
inline constexpr Glyph kCancelGlyph{TARNWICK_GLYPH_CANCEL};
inline constexpr Glyph kCloseGlyph{TARNWICK_GLYPH_CLOSE};

} // namespace tarnwick::forms
#endif
