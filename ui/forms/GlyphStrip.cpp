#include "GlyphStrip.h"

#include "Win32Error.h"

#include <string>

namespace tarnwick::forms {
namespace {

// A memory device context with one bitmap selected, undone in reverse.
class BitmapCanvas {
  public:
    explicit BitmapCanvas(HBITMAP bitmap)
        : dc_(CreateCompatibleDC(nullptr)), previous_(SelectObject(dc_, bitmap)) {}
    BitmapCanvas(const BitmapCanvas&) = delete;
    BitmapCanvas& operator=(const BitmapCanvas&) = delete;
    ~BitmapCanvas() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    HDC Get() const noexcept { return dc_; }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace

GdiObject<HBITMAP> GlyphStrip(const Glyph& glyph, int size) {
    GdiObject<HBITMAP> original(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(glyph.resourceId), IMAGE_BITMAP, 0,
                   0, LR_CREATEDIBSECTION)));
    if (!original) ThrowLastError("LoadImage glyph " + std::to_string(glyph.resourceId));
    BITMAP source{};
    GetObjectA(original.Get(), sizeof source, &source);

    // Top-down 32-bit pixels that this code can also read and recolour.
    const int width = size * glyph.states;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -size;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject<HBITMAP> scaled(
        CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!scaled) ThrowLastError("CreateDIBSection glyph");
    {
        const BitmapCanvas from(original.Get());
        const BitmapCanvas to(scaled.Get());
        SetStretchBltMode(to.Get(), COLORONCOLOR);
        StretchBlt(to.Get(), 0, 0, width, size, from.Get(), 0, 0, source.bmWidth, source.bmHeight,
                   SRCCOPY);
    }
    GdiFlush();

    if (glyph.inTextColour) {
        const COLORREF text = GetSysColor(COLOR_BTNTEXT);
        const DWORD key = RGB(GetBValue(kGlyphTransparent), GetGValue(kGlyphTransparent),
                              GetRValue(kGlyphTransparent)); // as the DIB holds it: blue first
        const DWORD ink = RGB(GetBValue(text), GetGValue(text), GetRValue(text));
        auto* pixel = static_cast<DWORD*>(bits);
        for (int i = 0; i < width * size; ++i, ++pixel)
            if ((*pixel & 0xFFFFFF) != key) *pixel = ink;
    }
    return scaled;
}

} // namespace tarnwick::forms
