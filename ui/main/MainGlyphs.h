// The main window's own glyphs (MainGlyphs.rc): the four command buttons, and
// the arrows and the open folder drawn where the "Wingdings" font is missing.
#pragma once

#define TARNWICK_GLYPH_RUN 2001
#define TARNWICK_GLYPH_SAVE 2002
#define TARNWICK_GLYPH_RESET 2003
#define TARNWICK_GLYPH_LOAD 2004
#define TARNWICK_GLYPH_UP 2005
#define TARNWICK_GLYPH_DOWN 2006
#define TARNWICK_GLYPH_FOLDER 2007

#ifdef __cplusplus
#include "Glyph.h"

namespace tarnwick {

inline constexpr forms::Glyph kRunGlyph{TARNWICK_GLYPH_RUN};
inline constexpr forms::Glyph kSaveGlyph{TARNWICK_GLYPH_SAVE};
inline constexpr forms::Glyph kResetGlyph{TARNWICK_GLYPH_RESET, 16, 2}; // normal, disabled
inline constexpr forms::Glyph kLoadGlyph{TARNWICK_GLYPH_LOAD};
inline constexpr forms::Glyph kUpGlyph{TARNWICK_GLYPH_UP, 12, 1, true};
inline constexpr forms::Glyph kDownGlyph{TARNWICK_GLYPH_DOWN, 12, 1, true};
inline constexpr forms::Glyph kFolderGlyph{TARNWICK_GLYPH_FOLDER, 20};

} // namespace tarnwick
#endif
