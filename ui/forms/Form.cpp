#include "Form.h"

#include "Application.h"
#include "Button.h"
#include "CentreOnScreen.h"
#include "Control.h"
#include "ThreadWindows.h"
#include "Win32Error.h"
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

void RegisterFormClass(WNDPROC windowProc) {
    // Once for the process: every form shares the class.
    [[maybe_unused]] static const ATOM atom =
        RegisterWindowClass(kWindowClass, windowProc, LoadCursorA(nullptr, IDC_ARROW),
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
    : application_(application), dpi_(dpi), font_(Font::Ui(dpi)),
      canvas_(font_.Handle()), laidOut_{dpi.Scale(layout.clientWidth),
                                        dpi.Scale(layout.clientHeight)} {
    RegisterFormClass(WindowProc);
    const FrameStyles styles = StylesOf(layout.frame);
    RECT frame{0, 0, dpi_.Scale(layout.clientWidth), dpi_.Scale(layout.clientHeight)};
    AdjustWindowRectEx(&frame, styles.style, FALSE, styles.exStyle);
    // Forms after the first are owned by it and stay in front of it; the first
    // is owned by the application's window, which is the program's one
    // taskbar button.
    const Form* main = application_.MainForm();
    const HWND owner = layout.owner ? layout.owner : main ? main->Handle() : application_.Window();
    window_ =
        CreateWindowExA(styles.exStyle, kWindowClass, layout.caption.c_str(), styles.style,
                        CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, owner, nullptr, GetModuleHandleA(nullptr), this);
    if (!window_) ThrowLastError("CreateWindowEx " + layout.caption);
    if (layout.frame != FrameKind::Single) {
        // A dialog frame has no icon; its system menu offers Move, Size where
        // it can be resized, and Close.
        HMENU menu = GetSystemMenu(window_, FALSE);
        DeleteMenu(menu, SC_RESTORE, MF_BYCOMMAND);
        if (layout.frame == FrameKind::Dialog) DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
        DeleteMenu(menu, SC_MINIMIZE, MF_BYCOMMAND);
        DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
        if (layout.frame == FrameKind::Sizable)
            smallestFrame_ = {frame.right - frame.left, frame.bottom - frame.top};
    } else {
        HMENU menu = GetSystemMenu(window_, FALSE);
        DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
        DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    }
    application_.Register(*this);
}

Form::~Form() {
    application_.Unregister(*this);
    // The derived form and its controls are gone: no message may reach them.
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void Form::Adopt(Control& control) { controls_[control.Handle()] = &control; }

void Form::Release(Control& control) { controls_.erase(control.Handle()); }

Control* Form::ControlOf(HWND window) const {
    const auto found = controls_.find(window);
    return found == controls_.end() ? nullptr : found->second;
}

void Form::Show() {
    if (Visible()) {
        SetForegroundWindow(window_);
        return;
    }
    CentreOnScreen(window_);
    // A new showing starts at the first control, as a new dialog box does.
    focus_ = nullptr;
    activation_ = Activation::Awaited;
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void Form::Hide() {
    activation_ = Activation::Done;
    ShowWindow(window_, SW_HIDE);
}

void Form::Close() { SendMessageA(window_, WM_CLOSE, 0, 0); }

ModalResult Form::ShowModal() {
    const HWND previous = GetActiveWindow();
    // Every other window of the program takes no input meanwhile, the
    // system's own dialogs included (the folder browser under the input box).
    // Disabling takes the focus away, so it is noted first.
    if (Form* active = application_.FormOf(previous)) active->RememberFocus();
    const std::vector<HWND> others = EnabledWindowsOfThread(window_);
    for (HWND window : others)
        EnableWindow(window, FALSE);

    modal_ = true;
    modalResult_ = ModalResult::None;
    Show();
    while (modalResult_ == ModalResult::None && application_.HandleMessage()) {
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

void Form::EndModal(ModalResult result) {
    if (!modal_) return;
    modalResult_ = result;
    // The modal loop looks at the result after each message: wake it now
    // rather than at the next input.
    PostMessageA(window_, WM_NULL, 0, 0);
}

void Form::RememberFocus() {
    const HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) focus_ = focus;
}

void Form::RestoreFocus() {
    const bool usable =
        focus_ && IsChild(window_, focus_) && IsWindowVisible(focus_) && IsWindowEnabled(focus_);
    if (!usable) focus_ = GetNextDlgTabItem(window_, nullptr, FALSE);
    if (focus_) SetFocus(focus_);
}

void Form::Activated() {
    if (activation_ != Activation::Due) return; // hidden meanwhile
    // The person sees the whole window, not an empty frame, while the
    // activation event works.
    RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    try {
        if (onActivate) onActivate();
    } catch (...) {
        activation_ = Activation::Done;
        throw;
    }
    activation_ = Activation::Done;
    // The event may have placed the focus itself; otherwise the first control.
    if (GetActiveWindow() == window_ && !IsChild(window_, GetFocus())) RestoreFocus();
}

void Form::AddSystemMenuItem(const std::string& caption, std::function<void()> onChosen) {
    HMENU menu = GetSystemMenu(window_, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kSystemMenuItem, caption.c_str());
    onSystemMenuItem_ = std::move(onChosen);
}

void Form::SetDefaultButton(Button& button) {
    defaultButton_ = &button;
    SendMessageA(button.Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void Form::SetCancelButton(Button& button) { cancelButton_ = &button; }

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form) return DefWindowProcA(window, message, wParam, lParam);
    // The one place where an exception from a handler is caught.
    return form->application_.Guarded([&] { return form->HandleMessage(message, wParam, lParam); },
                                      LRESULT{0});
}

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
            if (auto* focused = dynamic_cast<Button*>(ControlOf(GetFocus())))
                focused->Click();
            else if (defaultButton_ && defaultButton_->Enabled())
                defaultButton_->Click();
        } else if (id == IDCANCEL && cancelButton_ && cancelButton_->Enabled()) {
            cancelButton_->Click();
        }
        return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (Control* control = ControlOf(reinterpret_cast<HWND>(lParam)))
            control->Scroll(LOWORD(wParam));
        return 0;
    case DM_GETDEFID:
        // What Enter presses: the focused push button, else the default button.
        if (auto* focused = dynamic_cast<Button*>(ControlOf(GetFocus())))
            return MAKELRESULT(focused->Id(), DC_HASDEFID);
        if (defaultButton_) return MAKELRESULT(defaultButton_->Id(), DC_HASDEFID);
        return 0;
    case WM_ACTIVATE:
        // Not the default handling, which would give the focus to the form
        // itself: the focus goes back to the control that had it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            RememberFocus();
        } else if (activation_ == Activation::Awaited) {
            // The first activation of a showing: its event places the focus.
            activation_ = Activation::Due;
            PostMessageA(window_, kActivated, 0, 0);
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
        if ((wParam & 0xFFF0) == SC_MINIMIZE && application_.MainForm() == this) {
            application_.Minimize();
            return 0;
        }
        break;
    case WM_SHOWWINDOW:
        // The application's window hides and shows the main form when it is
        // minimized and restored; the forms in front of it go and come with it.
        if (lParam == SW_PARENTCLOSING || lParam == SW_PARENTOPENING)
            ShowOwnedPopups(window_, wParam != FALSE);
        break;
    case WM_CLOSE:
        if (modal_) {
            EndModal(ModalResult::Cancel);
        } else {
            Hide();
            if (application_.MainForm() == this) application_.Terminate();
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

} // namespace tarnwick::forms
