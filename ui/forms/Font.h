// A font of the user interface: a face name and a character height in pixels.
#pragma once

#include "GdiObject.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace tarnwick::forms {

// The font of the program's windows: "MS Sans Serif", 8 point, which is 11
// pixels at 96 dots per inch.
inline constexpr char kUiFontFace[] = "MS Sans Serif";
inline constexpr int kUiFontHeight = 11;

class Font {
  public:
    // characterHeight is the height of the letters without internal leading,
    // as "8 point at 96 dots per inch" means 11 pixels. pitchAndFamily guides
    // the system where it lacks the face.
    Font(const std::string& face, int characterHeight, BYTE charset = DEFAULT_CHARSET,
         BYTE pitchAndFamily = DEFAULT_PITCH);

    HFONT Handle() const noexcept { return font_.Get(); }

  private:
    GdiObject<HFONT> font_;
};

// A device context of the screen's kind with a font selected, for measuring
// texts in it: one for a whole form costs less than one per control (under
// Wine each screen DC is a call to the window server).
class FontCanvas {
  public:
    explicit FontCanvas(HFONT font);
    FontCanvas(const FontCanvas&) = delete;
    FontCanvas& operator=(const FontCanvas&) = delete;
    ~FontCanvas();

    HDC Get() const noexcept { return dc_; }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Whether a font family of exactly this name is installed.
bool FontFamilyExists(const std::string& face);

// The width and height of a text on one line, drawn with the font in the
// window.
SIZE TextExtent(HWND window, HFONT font, std::string_view text);

} // namespace tarnwick::forms
