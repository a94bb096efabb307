#include "ScriptedPrompts.h"

namespace tarnwick::testing {

int ScriptedPrompts::ShowMessage(HWND owner, const std::string& text, const std::string& caption,
                                 UINT style) {
    messages.push_back({owner, text, caption, style});
    return IDOK;
}

std::string ScriptedPrompts::InputBox(HWND owner, const std::string& title,
                                      const std::string& prompt, const std::string& initialText) {
    inputs.push_back({owner, title, prompt, initialText});
    if (inputAnswers.empty()) return initialText;
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::vector<std::string> ScriptedPrompts::ChooseFiles(HWND, const forms::FileDialogRequest&) {
    return {};
}

} // namespace tarnwick::testing
