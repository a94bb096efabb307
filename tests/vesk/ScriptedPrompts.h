// The person at the keyboard, scripted: input box answers are taken from a
// queue, message boxes are answered with OK, and every question is recorded.
#pragma once

#include "UserPrompts.h"

#include <deque>
#include <string>
#include <vector>

namespace tarnwick::testing {

class ScriptedPrompts : public forms::UserPrompts {
  public:
    struct Message {
        HWND owner;
        std::string text;
        std::string caption;
        UINT style;
    };
    struct Input {
        HWND owner;
        std::string title;
        std::string prompt;
        std::string initialText;
    };

    std::deque<std::string> inputAnswers; // an empty queue answers Cancel
    std::vector<Message> messages;
    std::vector<Input> inputs;

    int ShowMessage(HWND owner, const std::string& text, const std::string& caption,
                    UINT style) override;
    std::string InputBox(HWND owner, const std::string& title, const std::string& prompt,
                         const std::string& initialText) override;
    std::vector<std::string> ChooseFiles(HWND owner, const forms::FileDialogRequest&) override;
    void PlaySound(UINT) override {}
};

} // namespace tarnwick::testing
