// A font of the user interface: a face name and a character height in pixels.
#pragma once

#include "GdiObject.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace tarnwick::forms {

class Dpi;

class Font {
  public:
    // characterHeight is the height of the letters without internal leading,
    // as "8 point at 96 dots per inch" means 11 pixels. pitchAndFamily guides
    // the system where it lacks the face.
    Font(const std::string& face, int characterHeight, BYTE charset = DEFAULT_CHARSET,
         BYTE pitchAndFamily = DEFAULT_PITCH);
    // The font of the program's windows at the resolution: "MS Sans Serif",
    // 8 point (11 pixels at 96 dots per inch). It has no Japanese, Chinese or
    // Korean characters and cannot show double-byte text, so on a double-byte
    // system (SM_DBCSENABLED) the windows take the system's user-interface
    // font for its language instead (the face and character set of
    // DEFAULT_GUI_FONT), at 9 point, as that system's own dialogs have it.
    static Font Ui(const Dpi& dpi);

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
