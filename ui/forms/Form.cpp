#include "Form.h"

#include "Application.h"
#include "Button.h"
#include "CentreOnMonitor.h"
#include "Control.h"
#include "ThreadWindows.h"
#include "WindowClass.h"

namespace tarnwick::forms {
namespace {

constexpr char kWindowClass[] = "TarnwickForm";

// Posted when a showing's first activation arrives, so that the activation
// event runs once the window is fully shown, outside WM_ACTIVATE.
constexpr UINT kActivated = WM_APP + 1;

// The command of our system menu item: below the system's own (0xF000 and
// up), its low four bits clear, since the system keeps them for itself.
constexpr WPARAM kSystemMenuItem = 0x1000;

void RegisterFormClass() {
    // Once for the process: every form shares the class.
    [[maybe_unused]] static const ATOM atom =
        RegisterWindowClass(kWindowClass, BoundWindow::Procedure, LoadCursorA(nullptr, IDC_ARROW),
                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

struct FrameStyles {
    DWORD style;
    DWORD exStyle;
};

FrameStyles StylesOf(FrameKind frame) {
    // No WS_CLIPCHILDREN: group boxes leave their inside to the form to paint.
    const DWORD common = WS_CAPTION | WS_SYSMENU;
    const DWORD dialog = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;
    if (frame == FrameKind::Dialog) return {WS_POPUP | common, dialog};
    if (frame == FrameKind::Sizable) return {WS_POPUP | common | WS_THICKFRAME, dialog};
    return {WS_OVERLAPPED | WS_MINIMIZEBOX | common, WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT};
}

} // namespace

Form::Form(Application& application, const FormLayout& layout, Dpi dpi)
    : FormWindow(application, dpi), laidOut_{dpi.Scale(layout.clientWidth),
                                             dpi.Scale(layout.clientHeight)} {
    RegisterFormClass();
    const FrameStyles styles = StylesOf(layout.frame);
    RECT frame{0, 0, laidOut_.cx, laidOut_.cy};
    AdjustWindowRectEx(&frame, styles.style, FALSE, styles.exStyle);
    // Forms after the first are owned by it and stay in front of it; the first
    // is owned by the application's window, which is the program's one
    // taskbar button.
    const Form* main = App().MainForm();
    const HWND owner = layout.owner ? layout.owner : main ? main->Handle() : App().Window();
    Create(layout.caption, {kWindowClass,
                            styles.style,
                            styles.exStyle,
                            {CW_USEDEFAULT, CW_USEDEFAULT},
                            {frame.right - frame.left, frame.bottom - frame.top},
                            owner});
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (layout.frame != FrameKind::Single) {
        // A dialog frame has no icon; its system menu offers Move, Size where
        // it can be resized, and Close.
        DeleteMenu(menu, SC_RESTORE, MF_BYCOMMAND);
        if (layout.frame == FrameKind::Dialog) DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
        DeleteMenu(menu, SC_MINIMIZE, MF_BYCOMMAND);
        DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
        if (layout.frame == FrameKind::Sizable)
            smallestFrame_ = {frame.right - frame.left, frame.bottom - frame.top};
    } else {
        DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
        DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    }
    App().Register(*this, Handle());
}

Form::~Form() {
    App().Unregister(*this);
    // The derived form and its controls are gone: no message may reach them.
    Unbind();
}

Button* Form::ButtonOf(HWND window) const { return dynamic_cast<Button*>(ControlOf(window)); }

void Form::Show() {
    if (Visible()) {
        SetForegroundWindow(Handle());
        return;
    }
    // The main form puts the program's button on the taskbar first.
    if (App().MainForm() == this) App().ShowButton();
    CentreOnMonitor(Handle());
    // A new showing starts at the first control, as a new dialog box does.
    focus_ = nullptr;
    activation_ = Activation::Awaited;
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void Form::Hide() {
    activation_ = Activation::Done;
    ShowWindow(Handle(), SW_HIDE);
}

ModalResult Form::ShowModal() {
    const HWND previous = GetActiveWindow();
    // Every other window of the program takes no input meanwhile, the
    // system's own dialogs included (the folder browser under the input box).
    // Disabling takes the focus away, so it is noted first.
    if (Form* active = App().FormOf(previous)) active->RememberFocus();
    const std::vector<HWND> others = EnabledWindowsOfThread(Handle());
    for (HWND window : others)
        EnableWindow(window, FALSE);

    modal_ = true;
    modalResult_ = ModalResult::None;
    Show();
    while (modalResult_ == ModalResult::None && App().HandleMessage()) {
    }
    for (HWND window : others)
        EnableWindow(window, TRUE);
    // The window active before takes the activation back while this one is
    // still shown: hiding the active window first would hand it to whatever
    // window comes next, maybe another program's.
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    Hide();
    modal_ = false;
    return modalResult_ == ModalResult::None ? ModalResult::Cancel : modalResult_;
}

void Form::RememberFocus() {
    const HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) focus_ = focus;
}

void Form::RestoreFocus() {
    const bool usable =
        focus_ && IsChild(Handle(), focus_) && IsWindowVisible(focus_) && IsWindowEnabled(focus_);
    if (!usable) focus_ = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (focus_) SetFocus(focus_);
}

void Form::Activated() {
    if (activation_ != Activation::Due) return; // hidden meanwhile
    // The person sees the whole window, not an empty frame, while the
    // activation event works.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    try {
        if (onActivate) onActivate();
    } catch (...) {
        activation_ = Activation::Done;
        throw;
    }
    activation_ = Activation::Done;
    // The event may have placed the focus itself; otherwise the first control.
    if (GetActiveWindow() == Handle() && !IsChild(Handle(), GetFocus())) RestoreFocus();
}

void Form::AddSystemMenuItem(const std::string& caption, std::function<void()> onChosen) {
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kSystemMenuItem, caption.c_str());
    onSystemMenuItem_ = std::move(onChosen);
}

void Form::SetDefaultButton(Button& button) {
    defaultButton_ = button.Handle();
    SendMessageA(button.Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void Form::SetCancelButton(Button& button) { cancelButton_ = button.Handle(); }

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const WORD id = LOWORD(wParam);
        HWND sender = reinterpret_cast<HWND>(lParam);
        Control* control = ControlOf(sender);
        if (control && control->Id() == id) {
            control->Command(HIWORD(wParam));
        } else if (id == IDOK) {
            // Enter, as the dialog manager reports it: a focused push button is
            // pressed, else the default button if there is one.
            if (Button* focused = ButtonOf(GetFocus()))
                focused->Click();
            else if (Button* button = ButtonOf(defaultButton_); button && button->Enabled())
                button->Click();
        } else if (id == IDCANCEL) {
            if (Button* button = ButtonOf(cancelButton_); button && button->Enabled())
                button->Click();
        }
        return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (Control* control = ControlOf(reinterpret_cast<HWND>(lParam)))
            control->Scroll(LOWORD(wParam));
        return 0;
    case WM_DRAWITEM:
        if (const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            Control* control = ControlOf(item->hwndItem)) {
            control->DrawItem(*item);
            return TRUE;
        }
        break;
    case DM_GETDEFID: {
        // What Enter presses: the focused push button, else the default button.
        const Button* button = ButtonOf(GetFocus());
        if (!button) button = ButtonOf(defaultButton_);
        return button ? MAKELRESULT(button->Id(), DC_HASDEFID) : 0;
    }
    case WM_NEXTDLGCTL:
        // A multi-line field hands Tab on this way, as in a dialog box.
        if (const HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                             : GetNextDlgTabItem(Handle(), GetFocus(), wParam != 0))
            SetFocus(next);
        return 0;
    case WM_ACTIVATE:
        // Not the default handling, which would give the focus to the form
        // itself: the focus goes back to the control that had it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            RememberFocus();
        } else if (activation_ == Activation::Awaited) {
            // The first activation of a showing: its event places the focus.
            activation_ = Activation::Due;
            PostMessageA(Handle(), kActivated, 0, 0);
        } else if (!HIWORD(wParam) && (activation_ == Activation::Done || focus_)) {
            RestoreFocus();
        }
        return 0;
    case WM_SETFOCUS:
        if (activation_ == Activation::Done) RestoreFocus();
        return 0;
    case kActivated:
        Activated();
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            for (const auto& [window, control] : controls_)
                control->FollowSize(LOWORD(lParam) - laidOut_.cx, HIWORD(lParam) - laidOut_.cy);
        return 0;
    case WM_GETMINMAXINFO:
        if (smallestFrame_.cx > 0)
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {smallestFrame_.cx,
                                                                     smallestFrame_.cy};
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == kSystemMenuItem && onSystemMenuItem_) {
            onSystemMenuItem_();
            return 0;
        }
        // The main form is minimized with the application's window, which
        // keeps the taskbar button; the other forms have no minimize box.
        if ((wParam & 0xFFF0) == SC_MINIMIZE && App().MainForm() == this) {
            App().Minimize();
            return 0;
        }
        break;
    case WM_SHOWWINDOW:
        // The application's window hides and shows the main form when it is
        // minimized and restored; the forms in front of it go and come with it.
        if (lParam == SW_PARENTCLOSING || lParam == SW_PARENTOPENING)
            ShowOwnedPopups(Handle(), wParam != FALSE);
        break;
    case WM_CLOSE:
        if (modal_) {
            EndModal(ModalResult::Cancel);
        } else {
            Hide();
            if (App().MainForm() == this) App().Terminate();
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcA(Handle(), message, wParam, lParam);
}

} // namespace tarnwick::forms
