#include "QuestionBox.h"

#include "Application.h"
#include "WindowSubclass.h"

#include <optional>
#include <utility>

namespace tarnwick::forms {
namespace {

std::optional<LRESULT> QuestionMessage(HWND box, UINT message, WPARAM wParam) {
    switch (message) {
    case WM_COMMAND:
        // The dialog manager turns Escape into IDCANCEL.
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(box, IDNO);
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            EndDialog(box, 0);
            return 0;
        }
        break;
    case WM_CLOSE:
        EndDialog(box, 0);
        return 0;
    default:
        break;
    }
    return std::nullopt;
}

// The box being asked for: the first dialog this thread activates while the
// hook is set gets the question's own handling.
struct Watch {
    Application* application = nullptr;
    HHOOK hook = nullptr;
    std::optional<WindowSubclass> subclass;
};
thread_local Watch* watch = nullptr;

void WatchActivation(HWND box) {
    char className[16] = "";
    GetClassNameA(box, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0) return;
    watch->subclass.emplace(*watch->application, box, [box](UINT message, WPARAM command, LPARAM) {
        return QuestionMessage(box, message, command);
    });
    EnableMenuItem(GetSystemMenu(box, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
}

// A hook is called by Windows: an error goes to the error box, never
// through the system's frames, and the next hook is called all the same.
LRESULT CALLBACK WatchForTheBox(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = watch->hook;
    if (code == HCBT_ACTIVATE && !watch->subclass)
        watch->application->Guarded(
            [&] {
                WatchActivation(reinterpret_cast<HWND>(wParam));
                return true;
            },
            false);
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace

int ShowQuestionBox(Application& application, HWND owner, const std::string& text,
                    const std::string& caption, UINT style) {
    Watch asking{&application, nullptr, std::nullopt};
    Watch* const outer = std::exchange(watch, &asking);
    asking.hook = SetWindowsHookExA(WH_CBT, WatchForTheBox, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxA(owner, text.c_str(), caption.c_str(), style);
    if (asking.hook != nullptr) UnhookWindowsHookEx(asking.hook);
    watch = outer;
    return answer;
}

} // namespace tarnwick::forms
