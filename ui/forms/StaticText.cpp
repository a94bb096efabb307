#include "StaticText.h"

#include "Font.h"
#include "FormWindow.h"

namespace tarnwick::forms {
namespace {

// Room on either side of a text that sets the width: "1" in the form's font
// fills a 10-pixel field.
constexpr int kTextMargin = 2;

} // namespace

StaticText::StaticText(Container& parent, int id, Bounds bounds, std::string_view text,
                       Sizing sizing, std::string_view widest)
    : Control(parent, id, widest.empty() ? text : widest, bounds,
              {"STATIC", DWORD(SS_NOPREFIX | SS_LEFTNOWORDWRAP)}),
      sizing_(sizing) {
    if (sizing == Sizing::Fixed) {
        // A wider face (a double-byte system's, or another scale's) would cut
        // the value short; what follows it, such as a unit, stays in place.
        FitCaption({0, 0}, Growth::Left);
        SetText(text);
    }
    TextChanged();
}

void StaticText::TextChanged() {
    if (sizing_ != Sizing::ToText) return;
    const SIZE extent = TextExtent(
        Handle(), reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)), Text());
    RECT place{};
    GetWindowRect(Handle(), &place);
    const int width = extent.cx + OwnerForm().Resolution().Scale(2 * kTextMargin);
    SetWindowPos(Handle(), nullptr, 0, 0, width, place.bottom - place.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace tarnwick::forms
