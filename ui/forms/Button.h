// A push button, with an optional glyph beside its caption.
#pragma once

#include "Control.h"
#include "FormWindow.h"
#include "Glyph.h"
#include "ImageList.h"

#include <functional>

namespace tarnwick::forms {

class Button : public Control {
  public:
    Button(Container& parent, int id, Bounds bounds, std::string_view caption)
        : Button(parent, id, bounds, caption, WS_TABSTOP) {}

    // The button's ordinary click handling, as a click by the user: onClick,
    // then the end of a modal showing if the button has a modal result. It
    // works on a hidden or disabled button too.
    void Click() { Clicked(); }

    // Clicking ends the form's modal showing with this result, after onClick.
    void SetModalResult(ModalResult result) noexcept { modalResult_ = result; }

    // Shows the glyph: beside the caption, or centred when there is none.
    void SetGlyph(const Glyph& glyph);

    std::function<void()> onClick;

  protected:
    Button(Container& parent, int id, Bounds bounds, std::string_view caption, DWORD style)
        : Control(parent, id, caption, bounds, {"BUTTON", BS_PUSHBUTTON | style}) {
        FitCaption({kEdgeRoom, kEdgeRoom}, Growth::BothWays);
    }

    virtual void Clicked() {
        if (onClick) onClick();
        if (modalResult_ != ModalResult::None) OwnerForm().EndModal(modalResult_);
    }

  private:
    // The raised edges and the focus frame around the caption.
    static constexpr LONG kEdgeRoom = 8;

    void Command(WORD code) override {
        if (code == BN_CLICKED) Clicked();
    }

    ModalResult modalResult_ = ModalResult::None;
    ImageList glyph_;
};

} // namespace tarnwick::forms
