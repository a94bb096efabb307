// The application object: its title, its forms, the message loop and the one
// place where an error that left a handler is shown.
#pragma once

#include "ApplicationWindow.h"
#include "UserPrompts.h"

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace tarnwick::forms {

class Form;

class Application {
  public:
    explicit Application(std::string title);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

    // The title: the text of the program's taskbar button and the caption of
    // its plain boxes.
    const std::string& Title() const noexcept { return title_; }
    void SetTitle(std::string title);

    // The window behind the taskbar button; it owns the main form.
    HWND Window() const noexcept { return window_.Handle(); }
    // Minimizes the program to its taskbar button.
    void Minimize() { window_.Minimize(); }

    // Who answers message boxes, the input box and the file dialogs: the real
    // Win32 dialogs unless a test puts its own script in their place.
    UserPrompts& Prompts() noexcept { return *prompts_; }
    void SetPrompts(std::unique_ptr<UserPrompts> prompts);

    // The first form created; closing it ends the application.
    Form* MainForm() const noexcept { return forms_.empty() ? nullptr : forms_.front(); }

    // Shows the taskbar button and the main form, and dispatches messages
    // until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const noexcept { return terminated_; }

    // Waits for one message and dispatches it; false once the application ends.
    bool HandleMessage();
    // Dispatches every message waiting now, without waiting for more.
    void ProcessMessages();

    // Runs a handler; an exception that leaves it is shown in the error box and
    // the caller gets fallback. Window procedures go through here so that no
    // exception unwinds through Windows.
    template <class Handler, class Result>
    Result Guarded(Handler&& handler, Result fallback) noexcept {
        try {
            return handler();
        } catch (...) {
            ShowError(std::current_exception());
            return fallback;
        }
    }

    // The error box: the title as caption, the error icon, one OK button.
    void ShowError(std::exception_ptr error) noexcept;

  private:
    friend class Form;
    void Register(Form& form) { forms_.push_back(&form); }
    void Unregister(Form& form);
    Form* FormOf(HWND window) const;
    void Dispatch(MSG& message);

    std::string title_;
    ApplicationWindow window_;
    std::unique_ptr<UserPrompts> prompts_;
    std::vector<Form*> forms_; // in creation order; not owned
    bool terminated_ = false;
};

} // namespace tarnwick::forms
