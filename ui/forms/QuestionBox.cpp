#include "QuestionBox.h"

#include <commctrl.h>

namespace tarnwick::forms {
namespace {

constexpr UINT_PTR kSubclassId = 1;

LRESULT CALLBACK QuestionProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR) {
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
    case WM_NCDESTROY:
        RemoveWindowSubclass(box, QuestionProcedure, kSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

// The box is the first dialog this thread activates while the hook is set.
thread_local HHOOK activeHook = nullptr;

LRESULT CALLBACK WatchForTheBox(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = activeHook;
    if (code == HCBT_ACTIVATE) {
        const HWND box = reinterpret_cast<HWND>(wParam);
        char className[16] = "";
        GetClassNameA(box, className, sizeof className);
        if (lstrcmpA(className, "#32770") == 0) {
            SetWindowSubclass(box, QuestionProcedure, kSubclassId, 0);
            EnableMenuItem(GetSystemMenu(box, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
            UnhookWindowsHookEx(hook);
            activeHook = nullptr;
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace

int ShowQuestionBox(HWND owner, const std::string& text, const std::string& caption, UINT style) {
    activeHook = SetWindowsHookExA(WH_CBT, WatchForTheBox, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxA(owner, text.c_str(), caption.c_str(), style);
    if (activeHook != nullptr) {
        UnhookWindowsHookEx(activeHook);
        activeHook = nullptr;
    }
    return answer;
}

} // namespace tarnwick::forms
