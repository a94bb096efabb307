#include "Font.h"

#include "Win32Error.h"

#include <cstring>

namespace tarnwick::forms {

Font::Font(const std::string& face, int characterHeight, BYTE charset) {
    LOGFONTA spec{};
    spec.lfHeight = -characterHeight; // negative: character height, not cell height
    spec.lfWeight = FW_NORMAL;
    spec.lfCharSet = charset;
    spec.lfQuality = DEFAULT_QUALITY;
    strncpy_s(spec.lfFaceName, face.c_str(), _TRUNCATE);
    font_ = GdiObject<HFONT>(CreateFontIndirectA(&spec));
    if (!font_) ThrowLastError("CreateFontIndirect " + face);
}

namespace {

int CALLBACK NoteFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one is enough
}

} // namespace

bool FontFamilyExists(const std::string& face) {
    LOGFONTA spec{};
    spec.lfCharSet = DEFAULT_CHARSET;
    strncpy_s(spec.lfFaceName, face.c_str(), _TRUNCATE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &spec, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace tarnwick::forms
