// The Yes/No question box, answered by messages to the real box.
#include "QuestionBox.h"

#include "Application.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace tarnwick::forms {
namespace {

enum class Gesture { PressEnter, PressEscape, ClickNo, CloseBox };

// The timer procedure cannot take arguments: one box at a time.
Gesture pendingGesture;
bool closeBoxEnabled;

BOOL CALLBACK KeepDialog(HWND window, LPARAM result) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32770") != 0) return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

HWND QuestionBoxOfThisThread() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), KeepDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK Answer(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND box = QuestionBoxOfThisThread();
    if (box == nullptr) return; // not up yet
    KillTimer(nullptr, timer);
    closeBoxEnabled =
        (GetMenuState(GetSystemMenu(box, FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED) == 0;
    const HWND focus = GetFocus();
    switch (pendingGesture) {
    case Gesture::PressEnter:
        PostMessageA(focus, WM_KEYDOWN, VK_RETURN, 0);
        break;
    case Gesture::PressEscape:
        PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0);
        break;
    case Gesture::ClickNo:
        PostMessageA(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
        break;
    case Gesture::CloseBox:
        PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
}

int AskWith(Gesture gesture) {
    static Application application("Tarnwick");
    pendingGesture = gesture;
    closeBoxEnabled = false;
    SetTimer(nullptr, 0, 50, Answer);
    return ShowQuestionBox(application, nullptr, "Go on?", "Warning",
                           MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON1 | MB_TASKMODAL);
}

TEST(QuestionBox, EnterAnswersYesEscapeNoAndTheCloseBoxNothing) {
    EXPECT_EQ(AskWith(Gesture::PressEnter), IDYES);
    EXPECT_EQ(AskWith(Gesture::ClickNo), IDNO);
    EXPECT_EQ(AskWith(Gesture::PressEscape), IDNO);
    EXPECT_EQ(AskWith(Gesture::CloseBox), 0);
    EXPECT_TRUE(closeBoxEnabled);
    // The next plain message box is the system's own again.
    EXPECT_EQ(AskWith(Gesture::PressEnter), IDYES);
}

} // namespace
} // namespace tarnwick::forms
