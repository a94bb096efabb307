// The floor for the launcher's start-up: a bare Win32 program with the
// launcher's DLL imports and common-controls manifest, one window captioned
// like the main window and one focused drop-down list with the identifier of
// the source-port list, so that the start-up benchmark sees it ready exactly
// as it sees the launcher.
#include "MainControlIds.h"

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

// A reference into each DLL that the launcher imports, so that the loader
// maps the same ones.
void* volatile importedDlls[] = {
    reinterpret_cast<void*>(&InitCommonControlsEx), reinterpret_cast<void*>(&GetOpenFileNameA),
    reinterpret_cast<void*>(&CoTaskMemFree), reinterpret_cast<void*>(&SHBrowseForFolderA),
    reinterpret_cast<void*>(&CreateFontA)};

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "BareWindow";
    RegisterClassA(&windowClass);
    RECT frame{0, 0, 723, 370};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRect(&frame, style, FALSE);
    const HWND window = CreateWindowA(
        "BareWindow", "Tarnwick Pro", style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    const HWND list = CreateWindowA(
        "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 96, 24, 249, 200,
        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(tarnwick::MainId::cbSource)), instance,
        nullptr);
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("GZDoom"));
    SendMessageA(list, CB_SETCURSEL, 0, 0);
    ShowWindow(window, SW_SHOW);
    SetFocus(list);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
