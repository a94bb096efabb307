// The floor for the launcher's start-up: a bare Win32 program with the
// launcher's DLL imports and common-controls manifest, one window captioned
// like the main window and one focused drop-down list with the identifier of
// the source-port list, so that the start-up benchmark sees it ready exactly
// as it sees the launcher.
//
// With BARE_WINDOW_CONTROLS set in its environment, the window also gets as
// many child windows of each kind as the launcher's main window has, in the
// dialog font, painted before the list takes the focus, as the launcher does.
// That start-up is what the launcher's window set costs on the system, apart
// from anything the launcher itself does.
#include "MainControlIds.h"
#include "MainLayout.h"

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

using tarnwick::kMainLayout;

struct WindowKind {
    const char* windowClass;
    DWORD style;
    DWORD exStyle;
    int count;
    int width;
    int height;
    bool arrows = false; // each with an up-down control beside it
};

constexpr DWORD kEditStyle = WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kArrowsStyle = UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ALIGNRIGHT | UDS_ARROWKEYS;

// The main window's children besides the source-port list, by kind, counted
// in its table: group boxes, labels and value texts, drop-down lists, the
// editable resource box, fields and fields with arrows, push and speed
// buttons, check boxes, the file list and the scroll bars.
constexpr WindowKind kMainWindowKinds[] = {
    {"BUTTON", BS_GROUPBOX, 0, kMainLayout.Count("GroupBox"), 200, 160},
    {"STATIC", SS_NOPREFIX | SS_LEFTNOWORDWRAP, 0,
     kMainLayout.Count("Label") + kMainLayout.Count("StaticText"), 60, 13},
    {"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | CBS_DROPDOWNLIST, 0,
     kMainLayout.Count("ComboBox", "DropDownList") - 1, 120, 222},
    {"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | CBS_DROPDOWN | CBS_SORT, 0,
     kMainLayout.Count("ComboBox", "Editable"), 200, 221},
    {"EDIT", kEditStyle, WS_EX_CLIENTEDGE, kMainLayout.Count("Edit"), 90, 21},
    {"EDIT", kEditStyle, WS_EX_CLIENTEDGE, kMainLayout.Count("SpinEdit"), 90, 21, true},
    {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0,
     kMainLayout.Count("Button") + kMainLayout.Count("SpeedButton") +
         kMainLayout.Count("GlyphButton") + kMainLayout.Count("CloseButton"),
     61, 25},
    {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0, kMainLayout.Count("CheckBox"), 100, 17},
    {"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE,
     kMainLayout.Count("ListBox"), 200, 77},
    {"SCROLLBAR", WS_TABSTOP | SBS_HORZ, 0, kMainLayout.Count("ScrollBar", "Horizontal"), 165, 13},
    {"SCROLLBAR", WS_TABSTOP | SBS_VERT, 0, kMainLayout.Count("ScrollBar", "Vertical"), 17, 73},
};

// A kind of control that the table gains is one that the floor must make too.
constexpr bool CountsEveryRow() {
    int counted = 1; // the source-port list
    for (const WindowKind& kind : kMainWindowKinds)
        counted += kind.count;
    return counted == int(kMainLayout.rows.size());
}
static_assert(CountsEveryRow(), "a row of the main window that the bare window does not make");

// Row by row across the client area, overlapping where they do not fit, as
// the group boxes overlap their contents.
void AddMainWindowKinds(HWND window, HINSTANCE instance, HFONT font) {
    RECT client{};
    GetClientRect(window, &client);
    constexpr int kRow = 26;
    int x = 8;
    int y = 56;
    for (const WindowKind& kind : kMainWindowKinds) {
        for (int i = 0; i < kind.count; ++i) {
            if (x + kind.width > client.right) {
                x = 8;
                y = y + kRow < client.bottom - kRow ? y + kRow : 8;
            }
            const HWND child = CreateWindowExA(
                kind.exStyle, kind.windowClass, "Label:", WS_CHILD | WS_VISIBLE | kind.style, x, y,
                kind.width, kind.height, window, nullptr, instance, nullptr);
            SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            if (kind.arrows) {
                const HWND arrows =
                    CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE | kArrowsStyle, 0,
                                    0, 0, 0, window, nullptr, instance, nullptr);
                SendMessageA(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(child), 0);
            }
            x += kind.width + 4;
        }
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "BareWindow";
    RegisterClassA(&windowClass);
    RECT frame{0, 0, kMainLayout.clientWidth, kMainLayout.clientHeight};
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
    const bool withControls = GetEnvironmentVariableA("BARE_WINDOW_CONTROLS", nullptr, 0) != 0;
    if (withControls) {
        const HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                       DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        AddMainWindowKinds(window, instance, font);
    }
    ShowWindow(window, SW_SHOW);
    if (withControls) RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    SetFocus(list);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
