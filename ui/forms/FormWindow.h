// A form's window as the controls on it know it: the application, the scale
// it is laid out for, its font and a canvas to measure texts in it, the
// register by which its notifications reach the controls, and the end of a
// modal showing. Form builds the rest on it (showing, keys, routing), so the
// controls never depend on Form, nor Form's parts on the controls.
#pragma once

#include "Application.h"
#include "BoundWindow.h"
#include "Container.h"
#include "Dpi.h"
#include "Font.h"

#include <unordered_map>
#include <utility>

namespace tarnwick::forms {

class Control;

enum class ModalResult { None, Ok, Cancel };

class FormWindow : public BoundWindow, public Container {
  public:
    Application& App() const noexcept { return application_; }
    const Dpi& Resolution() const noexcept { return dpi_; }
    HFONT UiFont() const noexcept { return font_.Handle(); }
    // A device context with the form's font, to measure the controls' texts.
    HDC TextCanvas() const noexcept { return canvas_.Get(); }

    FormWindow& OwnerForm() noexcept override { return *this; }
    Bounds Origin() const noexcept override { return {}; }

    // As the close box: ends a modal showing with Cancel, ends the application
    // for the main form, hides any other form.
    void Close() { SendMessageA(Handle(), WM_CLOSE, 0, 0); }
    // Ends a modal showing with the result; nothing when the form is not
    // shown modally.
    void EndModal(ModalResult result);

    // A control made on the form, or going: from Adopt to Release its
    // window's notifications reach it.
    void Adopt(HWND window, Control& control) { controls_[window] = &control; }
    void Release(HWND window) { controls_.erase(window); }

    // A label that grew wider than its place, for the control made next to
    // make room after it (Control::MakeRoomAfter); taken once.
    void NoteGrownLabel(HWND label) { grownLabel_ = label; }
    HWND TakeGrownLabel() { return std::exchange(grownLabel_, nullptr); }

  protected:
    FormWindow(Application& application, Dpi dpi);
    ~FormWindow() = default;

    Control* ControlOf(HWND window) const;

    std::unordered_map<HWND, Control*> controls_;
    bool modal_ = false;
    ModalResult modalResult_ = ModalResult::None;

  private:
    HWND grownLabel_ = nullptr;
    Application& application_;
    Dpi dpi_;
    Font font_;
    FontCanvas canvas_;
};

} // namespace tarnwick::forms
