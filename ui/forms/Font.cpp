#include "Font.h"

#include "Dpi.h"
#include "Win32Error.h"

#include <cstring>

namespace tarnwick::forms {

Font::Font(const std::string& face, int characterHeight, BYTE charset, BYTE pitchAndFamily) {
    LOGFONTA wanted{};
    wanted.lfHeight = -characterHeight; // negative: character height, not cell height
    wanted.lfWeight = FW_NORMAL;
    wanted.lfCharSet = charset;
    wanted.lfPitchAndFamily = pitchAndFamily;
    wanted.lfQuality = DEFAULT_QUALITY;
    strncpy_s(wanted.lfFaceName, face.c_str(), _TRUNCATE);
    font_ = GdiObject<HFONT>(CreateFontIndirectA(&wanted));
    if (!font_) ThrowLastError("CreateFontIndirect " + face);
}

Font Font::Ui(const Dpi& dpi) {
    if (!GetSystemMetrics(SM_DBCSENABLED)) return Font("MS Sans Serif", dpi.Scale(11));
    LOGFONTA system{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof system, &system);
    return Font(system.lfFaceName, dpi.Scale(12), system.lfCharSet);
}

namespace {

int CALLBACK NoteFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one is enough
}

} // namespace

bool FontFamilyExists(const std::string& face) {
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    strncpy_s(wanted.lfFaceName, face.c_str(), _TRUNCATE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

FontCanvas::FontCanvas(HFONT font)
    : dc_(CreateCompatibleDC(nullptr)), previous_(SelectObject(dc_, font)) {}

FontCanvas::~FontCanvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
}

SIZE TextExtent(HWND window, HFONT font, std::string_view text) {
    SIZE extent{};
    if (HDC dc = GetDC(window)) {
        const HGDIOBJ previous = SelectObject(dc, font);
        GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, previous);
        ReleaseDC(window, dc);
    }
    return extent;
}

} // namespace tarnwick::forms
