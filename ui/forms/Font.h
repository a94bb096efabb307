// A font of the user interface: a face name and a character height in pixels.
#pragma once

#include "GdiObject.h"

#include <string>

namespace tarnwick::forms {

class Font {
  public:
    // characterHeight is the height of the letters without internal leading,
    // as "8 point at 96 dots per inch" means 11 pixels.
    Font(const std::string& face, int characterHeight, BYTE charset = DEFAULT_CHARSET);

    HFONT Handle() const noexcept { return font_.Get(); }

  private:
    GdiObject<HFONT> font_;
};

// Whether a font family of exactly this name is installed.
bool FontFamilyExists(const std::string& face);

} // namespace tarnwick::forms
