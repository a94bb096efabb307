#include "Application.h"

#include "ErrorText.h"
#include "ProgramError.h"

#include <commctrl.h>

#include <algorithm>
#include "ProgramError.h"

namespace tarnwick::forms {

Application::Application(std::string title)
    : title_(std::move(title)), window_(*this, title_, [this] {
          if (!forms_.empty()) SendMessageA(forms_.front().window, WM_CLOSE, 0, 0);
      }) {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof(classes);
    classes.dwICC = ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS;
    InitCommonControlsEx(&classes);
}

Application::~Application() = default;

void Application::SetTitle(std::string title) {
    title_ = std::move(title);
    window_.SetTitle(title_);
}

UserPrompts& Application::Prompts() {
    if (!prompts_) throw ProgramError("The application has no prompts.");
    return *prompts_;
}

void Application::SetPrompts(std::unique_ptr<UserPrompts> prompts) {
    prompts_ = std::move(prompts);
}

void Application::Unregister(Form& form) {
    std::erase_if(forms_, [&form](const Registered& entry) { return entry.form == &form; });
}

Form* Application::FormOf(HWND window) const {
    const auto found =
        std::find_if(forms_.begin(), forms_.end(),
                     [window](const Registered& entry) { return entry.window == window; });
    return found == forms_.end() ? nullptr : found->form;
}

void Application::Run() {
    while (HandleMessage()) {
    }
}

// The loops end when they take the quit message, so that none is left behind.
void Application::Terminate() { PostQuitMessage(0); }

bool Application::HandleMessage() {
    if (terminated_) return false;
    MSG message;
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
        terminated_ = true;
        return false;
    }
    Dispatch(message);
    return true;
}

void Application::ProcessMessages() {
    MSG message;
    while (!terminated_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        Dispatch(message);
    }
}

// Wide all the way, so that a character typed into a field that holds any
// text reaches it whole; the program's own windows get it in ANSI.
void Application::Dispatch(MSG& message) {
    // Tab, the arrow keys, Enter and Escape move between and press controls
    // the way they do in a dialog box.
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && FormOf(root) && IsDialogMessageW(root, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Application::ShowError(std::exception_ptr error) noexcept {
    try {
        std::string text;
        std::string utf8; // where it shows a name that ANSI cannot
        try {
            std::rethrow_exception(error);
        } catch (const Utf8TextError& known) {
            text = known.what();
            utf8 = known.Utf8Message();
        } catch (const std::exception& known) {
            text = known.what();
        } catch (...) {
            text = "Unknown error";
        }
        const std::string shown = ErrorBoxText(text);
        if (!utf8.empty()) utf8 += shown.substr(text.size()); // its full stop
        const HWND owner = GetActiveWindow();
        // Before the program has handed over its prompts, the system's box.
        if (prompts_ && !utf8.empty())
            prompts_->ShowUtf8Message(owner, utf8, title_, MB_OK | MB_ICONERROR);
        else if (prompts_)
            prompts_->ShowMessage(owner, shown, title_, MB_OK | MB_ICONERROR);
        else
            MessageBoxA(owner, shown.c_str(), title_.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
    } catch (...) {
        // The error box itself failed (out of memory): nothing is left to tell.
        MessageBeep(MB_ICONERROR);
    }
}

} // namespace tarnwick::forms
