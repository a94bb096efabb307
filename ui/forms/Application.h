// The application object: its title, its forms, the message loop, who answers
// the person's questions, and the one place where an error that left a
// handler is shown. It knows its forms only by their windows: the forms are
// built on it.
#pragma once

#include "ApplicationWindow.h"
#include "HandlerGuard.h"
#include "UserPrompts.h"

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace tarnwick::forms {

class Form;

class Application final : public HandlerGuard {
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
    // Puts the program's button on the taskbar; the main form does it when
    // it is shown.
    void ShowButton() { window_.ShowButton(); }
    // Minimizes the program to its taskbar button.
    void Minimize() { window_.Minimize(); }

    // Who answers message boxes, the input box and the file dialogs: the
    // program hands the application the real Win32 dialogs before it makes
    // its first form, a test its own script.
    UserPrompts& Prompts();
    void SetPrompts(std::unique_ptr<UserPrompts> prompts);

    // The first form created; closing it ends the application.
    Form* MainForm() const noexcept { return forms_.empty() ? nullptr : forms_.front().form; }
    // The form whose window this is, if any.
    Form* FormOf(HWND window) const;

    // Dispatches messages until Terminate. Show the main form first.
    void Run();
    void Terminate();
    bool Terminated() const noexcept { return terminated_; }

    // Waits for one message and dispatches it; false once the application ends.
    bool HandleMessage();
    // Dispatches every message waiting now, without waiting for more.
    void ProcessMessages();

    // The error box: the title as caption, the error icon, one OK button.
    void ShowError(std::exception_ptr error) noexcept override;

  private:
    friend class Form;
    struct Registered {
        Form* form;
        HWND window;
    };
    void Register(Form& form, HWND window) { forms_.push_back({&form, window}); }
    void Unregister(Form& form);
    void Dispatch(MSG& message);

    std::string title_;
    ApplicationWindow window_;
    std::unique_ptr<UserPrompts> prompts_;
    std::vector<Registered> forms_; // in creation order; not owned
    bool terminated_ = false;
};

} // namespace tarnwick::forms
