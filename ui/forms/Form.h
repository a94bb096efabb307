// A top-level window of the application: its frame, client size, font and
// background, the controls on it, and its showing, modal or not. Every message
// of the window and of its controls is handled in HandleMessage.
#pragma once

#include "Container.h"
#include "Dpi.h"
#include "Font.h"

#include <windows.h>

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace tarnwick::forms {

class Application;
class Button;
class Control;

enum class FrameKind {
    Single,  // fixed single frame: system menu and minimize box
    Dialog,  // dialog frame: system menu with close only
    Sizable, // a dialog the person can resize, no smaller than its layout
};

enum class ModalResult { None, Ok, Cancel };

struct FormLayout {
    std::string caption;
    int clientWidth = 0; // pixels at 96 dpi
    int clientHeight = 0;
    FrameKind frame = FrameKind::Single;
    // The window it stays in front of; by default the main form (none for the
    // main form itself, which the application's window owns).
    HWND owner = nullptr;
};

class Form : public Container {
  public:
    // The window is created hidden, centred on the screen, with the program's
    // font (Font::Ui) and the button-face background, laid out for dpi.
    Form(Application& application, const FormLayout& layout, Dpi dpi = Dpi::OfScreen());
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    HWND Handle() const noexcept { return window_; }
    Application& App() const noexcept { return application_; }
    const Dpi& Resolution() const noexcept { return dpi_; }
    HFONT UiFont() const noexcept { return font_.Handle(); }
    // A device context with the form's font, to measure the controls' texts.
    HDC TextCanvas() const noexcept { return canvas_.Get(); }

    Form& OwnerForm() noexcept override { return *this; }
    Bounds Origin() const noexcept override { return {}; }

    // Shows the window centred on the screen and activates it.
    void Show();
    void Hide();
    bool Visible() const { return IsWindowVisible(window_) != FALSE; }
    // As the close box: ends a modal showing with Cancel, ends the application
    // for the main form, hides any other form.
    void Close();

    // Shows the form while every other window of the program is disabled, and
    // returns when it is closed; the form is hidden again, not destroyed, and
    // the window that was active before is active again.
    ModalResult ShowModal();
    bool IsModal() const noexcept { return modal_; }
    void EndModal(ModalResult result);

    // Enter presses the default button and Escape the cancel button, wherever
    // the focus is. Without them the keys do nothing.
    void SetDefaultButton(Button& button);
    void SetCancelButton(Button& button);

    // Raised once per showing, after the window has become visible, active
    // and painted: regaining activation from a modal window, a message box or
    // another program does not raise it again.
    std::function<void()> onActivate;

    // An item of the window's system menu (Alt+Space), after a separator
    // below the system's own: a form has one at most.
    void AddSystemMenuItem(const std::string& caption, std::function<void()> onChosen);

    // The form keeps the control that has the keyboard focus when it loses
    // its activation, and gives the focus back to it when it is active again,
    // as a dialog box does; the first control when none had it.
    void RememberFocus();
    void RestoreFocus();

  private:
    friend class Control;
    void Adopt(Control& control);
    void Release(Control& control);
    Control* ControlOf(HWND window) const;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Activated();

    Application& application_;
    Dpi dpi_;
    Font font_;
    FontCanvas canvas_;
    HWND window_ = nullptr;
    std::unordered_map<HWND, Control*> controls_;
    SIZE laidOut_;         // the client area as laid out
    SIZE smallestFrame_{}; // a sizable frame's size as laid out
    std::function<void()> onSystemMenuItem_;
    Button* defaultButton_ = nullptr;
    Button* cancelButton_ = nullptr;
    // Where a showing stands with its activation event; until the event has
    // run, the focus is the event's to place.
    enum class Activation { Awaited, Due, Done };
    Activation activation_ = Activation::Done;
    HWND focus_ = nullptr; // the control to give the focus back to
    bool modal_ = false;
    ModalResult modalResult_ = ModalResult::None;
};

} // namespace tarnwick::forms
