#include "Button.h"

#include "GlyphStrip.h"
#include "Win32Error.h"

namespace tarnwick::forms {
namespace {

// The image list of a button holds one image per state, in the order normal,
// hot, pressed, disabled, defaulted, stylus hot.
constexpr int kButtonStates = 6;
constexpr int kNormal = 0;
constexpr int kDisabled = 3;

} // namespace

void Button::SetGlyph(const Glyph& glyph) {
    const Dpi& dpi = OwnerForm().Resolution();
    const int size = dpi.Scale(glyph.size);
    const GdiObject<HBITMAP> strip = GlyphStrip(glyph, size);

    // One image per button state; a glyph of two states gives its second
    // image to the disabled state and its first to every other.
    ImageList list(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, kButtonStates, 0));
    if (!list.Get()) ThrowLastError("ImageList_Create");
    ImageList_AddMasked(list.Get(), strip.Get(), kGlyphTransparent);
    if (glyph.states > 1) {
        ImageList_SetImageCount(list.Get(), kButtonStates);
        ImageList_Copy(list.Get(), kDisabled, list.Get(), 1, ILCF_MOVE);
        for (int state = 1; state < kButtonStates; ++state)
            if (state != kDisabled)
                ImageList_Copy(list.Get(), state, list.Get(), kNormal, ILCF_MOVE);
    }

    BUTTON_IMAGELIST images{};
    images.himl = list.Get();
    images.margin = {dpi.Scale(4), 0, dpi.Scale(2), 0};
    images.uAlign = GetWindowTextLengthA(Handle()) > 0 ? BUTTON_IMAGELIST_ALIGN_LEFT
                                                       : BUTTON_IMAGELIST_ALIGN_CENTER;
    SendMessageA(Handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
    glyph_ = std::move(list);
}

} // namespace tarnwick::forms
