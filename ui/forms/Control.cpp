#include "Control.h"

#include "AccessibleName.h"
#include "AnsiText.h"
#include "FormWindow.h"
#include "Win32Error.h"

#include <algorithm>
#include <cstring>

namespace tarnwick::forms {

Control::Control(Container& parent, int id, std::string_view text, Bounds bounds, WindowKind kind)
    : form_(parent.OwnerForm()) {
    const Bounds origin = parent.Origin();
    const Dpi& dpi = form_.Resolution();
    const int left = dpi.Scale(origin.left + bounds.left);
    const int top = dpi.Scale(origin.top + bounds.top);
    const int right = dpi.Scale(origin.left + bounds.left + bounds.width);
    const int bottom = dpi.Scale(origin.top + bounds.top + bounds.height);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_GROUP | kind.style;
    const auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    window_ = kind.holdsAnyText
                  ? CreateWindowExW(kind.exStyle, WideFromAnsi(kind.windowClass).c_str(),
                                    WideFromAnsi(text).c_str(), style, left, top, right - left,
                                    bottom - top, form_.Handle(), menu, GetModuleHandleW(nullptr),
                                    nullptr)
                  : CreateWindowExA(kind.exStyle, kind.windowClass, std::string(text).c_str(),
                                    style, left, top, right - left, bottom - top, form_.Handle(),
                                    menu, GetModuleHandleA(nullptr), nullptr);
    if (!window_) ThrowLastError(std::string("CreateWindowEx ") + kind.windowClass);
    SetFont(form_.UiFont());
    if (const HWND label = form_.TakeGrownLabel(); label && std::strcmp(kind.windowClass, "STATIC"))
        MakeRoomAfter(label);
    form_.Adopt(window_, *this);
}

Control::~Control() {
    accessibleName_.reset();
    form_.Release(window_);
    DestroyWindow(window_);
}

void Control::SetAccessibleName(std::string name) {
    accessibleName_ = std::make_unique<AccessibleName>(form_.App(), window_, std::move(name));
}

void Control::Anchor(Follow horizontal, Follow vertical) {
    horizontal_ = horizontal;
    vertical_ = vertical;
    GetWindowRect(window_, &laidOut_);
    MapWindowPoints(nullptr, form_.Handle(), reinterpret_cast<POINT*>(&laidOut_), 2);
}

void Control::FollowSize(int wider, int higher) {
    if (horizontal_ == Follow::Start && vertical_ == Follow::Start) return;
    const auto follow = [](LONG& start, LONG& end, Follow edges, int moved) {
        if (edges == Follow::End) start += moved;
        if (edges != Follow::Start) end += moved;
    };
    RECT place = laidOut_;
    follow(place.left, place.right, horizontal_, wider);
    follow(place.top, place.bottom, vertical_, higher);
    SetWindowPos(window_, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

// Between a label that grew and the field it made move.
constexpr int kLabelGap = 4;

// The window's place in its form's client area.
RECT PlaceInForm(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

} // namespace

// Laid out for "MS Sans Serif", a row's label may grow in a double-byte
// system's face, or at another scale: where it runs into the field after it,
// the field moves right and narrows, keeping its right edge, so that no label
// is covered. Nothing moves where every label fits its place, as on a
// single-byte system at 96 dpi.
void Control::MakeRoomAfter(HWND label) {
    const RECT text = PlaceInForm(label);
    const RECT place = PlaceInForm(window_);
    const bool onItsRow = place.top < text.bottom && place.bottom > text.top;
    if (!onItsRow || place.left < text.left || place.left >= text.right) return;
    const int start = text.right + form_.Resolution().Scale(kLabelGap);
    SetWindowPos(window_, nullptr, start, place.top, place.right - start, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Control::FitCaption(SIZE room, Growth growth, bool wraps) {
    const std::string text = Text();
    if (text.empty()) return false;
    const Dpi& dpi = form_.Resolution();
    const int roomWidth = dpi.Scale(room.cx);
    const int roomHeight = dpi.Scale(room.cy);
    const RECT place = PlaceInForm(window_);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;

    // Measured with the form's font, which every control gets when it is made.
    RECT needed{0, 0, std::max(width - roomWidth, 1), 0};
    DrawTextA(form_.TextCanvas(), text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    // Growing to the right, a pixel more than the text: at exactly its width,
    // a face whose letters are not whole pixels wide may lose its last letter,
    // the colon of a label (seen under Wine on a UTF-8 system).
    const int textWidth = static_cast<int>(needed.right) + roomWidth;
    const int fitWidth = textWidth <= width ? width : textWidth + (growth == Growth::Right);
    const int fitHeight = std::max(height, static_cast<int>(needed.bottom) + roomHeight);
    if (fitWidth == width && fitHeight == height) return false;
    const int left = growth == Growth::BothWays ? place.left - (fitWidth - width) / 2
                     : growth == Growth::Left   ? place.left - (fitWidth - width)
                                                : place.left;
    const int top = growth == Growth::BothWays ? place.top - (fitHeight - height) / 2 : place.top;
    SetWindowPos(window_, nullptr, left, top, fitWidth, fitHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    return fitWidth > width;
}

namespace {

std::wstring WideText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

} // namespace

std::string Control::Text() const { return AnsiFromWide(WideText(window_)); }

std::optional<std::string> Control::TextBeyondCodePage() const {
    const std::wstring text = WideText(window_);
    bool lost = false;
    NarrowTo(text, CP_ACP, lost);
    if (!lost) return std::nullopt;
    return NarrowTo(text, CP_UTF8, lost);
}

void Control::SetText(std::string_view text) {
    const std::string caption(text);
    SetWindowTextA(window_, caption.c_str());
    TextChanged();
}

} // namespace tarnwick::forms
