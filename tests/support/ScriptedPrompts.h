// The person at the keyboard, scripted: records every message box, input box,
// file dialog and sound, and answers them from queues set up by the test.
#pragma once

#include "UserPrompts.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tarnwick::forms {

class ScriptedPrompts : public UserPrompts {
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

    std::vector<Message> messages;
    std::deque<int> messageAnswers; // IDOK once they run out
    // Runs while a message box would be up, as the person looks at it.
    std::function<void()> whileMessageShown;

    std::vector<Input> inputs;
    std::deque<std::string> inputAnswers; // the initial text (Cancel) once they run out

    std::vector<FileDialogRequest> fileRequests;
    std::deque<std::vector<std::string>> fileAnswers; // cancelled once they run out

    std::vector<UINT> sounds;

    int ShowMessage(HWND owner, const std::string& text, const std::string& caption,
                    UINT style) override {
        messages.push_back({owner, text, caption, style});
        if (whileMessageShown) whileMessageShown();
        return Next(messageAnswers, IDOK);
    }

    std::string InputBox(HWND owner, const std::string& title, const std::string& prompt,
                         const std::string& initialText) override {
        inputs.push_back({owner, title, prompt, initialText});
        return Next(inputAnswers, initialText);
    }

    std::vector<std::string> ChooseFiles(HWND, const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return Next(fileAnswers, std::vector<std::string>{});
    }

    void PlaySound(UINT type) override { sounds.push_back(type); }

  private:
    template <class T> static T Next(std::deque<T>& answers, T otherwise) {
        if (answers.empty()) return otherwise;
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

} // namespace tarnwick::forms
