// A top-level window of the application: its frame, client size, font and
// background, the controls on it, and its showing, modal or not. Every message
// of the window and of its controls is handled in HandleMessage.
#pragma once

#include "FormWindow.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tarnwick::forms {

class Button;

enum class FrameKind {
    Single,  // fixed single frame: system menu and minimize box
    Dialog,  // dialog frame: system menu with close only
    Sizable, // a dialog the person can resize, no smaller than its layout
};

struct FormLayout {
    std::string caption;
    int clientWidth = 0; // pixels at 96 dpi
    int clientHeight = 0;
    FrameKind frame = FrameKind::Single;
    // The window it stays in front of; by default the main form (none for the
    // main form itself, which the application's window owns).
    HWND owner = nullptr;
};

class Form : public FormWindow {
  public:
    // The window is created hidden, with the program's font (Font::Ui) and
    // the button-face background, laid out for dpi.
    Form(Application& application, const FormLayout& layout, Dpi dpi = Dpi::OfScreen());
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    // Shows the window in the middle of its owner's monitor and activates it.
    void Show();
    void Hide();
    bool Visible() const { return IsWindowVisible(Handle()) != FALSE; }

    // Shows the form while every other window of the program is disabled, and
    // returns when it is closed; the form is hidden again, not destroyed, and
    // the window that was active before is active again.
    ModalResult ShowModal();

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
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Activated();
    // The push button of that window, while it is on the form.
    Button* ButtonOf(HWND window) const;

    SIZE laidOut_;         // the client area as laid out
    SIZE smallestFrame_{}; // a sizable frame's size as laid out
    std::function<void()> onSystemMenuItem_;
    // Found by their windows, so that a button gone is never pressed.
    HWND defaultButton_ = nullptr;
    HWND cancelButton_ = nullptr;
    // Where a showing stands with its activation event; until the event has
    // run, the focus is the event's to place.
    enum class Activation { Awaited, Due, Done };
    Activation activation_ = Activation::Done;
    HWND focus_ = nullptr; // the control to give the focus back to
};

} // namespace tarnwick::forms
