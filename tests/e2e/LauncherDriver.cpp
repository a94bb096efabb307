#include "LauncherDriver.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <stdexcept>

namespace tarnwick::e2e {
namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return text;
}

// This process's environment with the given changes, as CreateProcess takes it.
std::string EnvironmentBlock(const std::map<std::string, std::optional<std::string>>& changes) {
    std::map<std::string, std::string> variables; // keyed by upper-case name
    std::map<std::string, std::string> names;
    char* block = GetEnvironmentStringsA();
    for (const char* entry = block; *entry != '\0'; entry += std::strlen(entry) + 1) {
        const std::string text = entry;
        const std::size_t equals = text.find('=', 1);
        if (equals == std::string::npos) continue;
        const std::string name = text.substr(0, equals);
        variables[Upper(name)] = text.substr(equals + 1);
        names[Upper(name)] = name;
    }
    FreeEnvironmentStringsA(block);
    for (const auto& [name, value] : changes) {
        if (value) {
            variables[Upper(name)] = *value;
            names[Upper(name)] = name;
        } else {
            variables.erase(Upper(name));
        }
    }
    std::string result;
    for (const auto& [key, value] : variables)
        result += names[key] + "=" + value + '\0';
    result += '\0';
    return result;
}

// Texts cross to the launcher's process through the wide messages: Wine
// hands an ANSI list text read from another process back in UTF-16 (and
// longer than the length it reported), so the driver converts on its own side.
std::string Narrow(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    const int size =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

// Reads a text of the reported length with a wide message, into a buffer
// with room to spare.
std::string ReadText(HWND window, UINT lengthMessage, UINT textMessage, WPARAM index,
                     bool bufferSizeInWParam) {
    const auto length = SendMessageW(window, lengthMessage, index, 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 64, L'\0');
    if (bufferSizeInWParam)
        SendMessageW(window, textMessage, text.size(), reinterpret_cast<LPARAM>(text.data()));
    else
        SendMessageW(window, textMessage, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::wcslen(text.c_str()));
    return Narrow(text);
}

std::string WindowText(HWND window) {
    return ReadText(window, WM_GETTEXTLENGTH, WM_GETTEXT, 0, true);
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct WindowQuery {
    DWORD processId;
    std::vector<std::pair<HWND, std::string>> found;
};

// What a person sees: the application's window behind the taskbar button
// has no size.
bool Seen(HWND window) {
    RECT place{};
    return IsWindowVisible(window) && GetWindowRect(window, &place) && !IsRectEmpty(&place);
}

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM parameter) {
    auto& query = *reinterpret_cast<WindowQuery*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == query.processId && Seen(window))
        query.found.emplace_back(window, WindowText(window));
    return TRUE;
}

struct ControlQuery {
    int id;
    HWND found;
};

BOOL CALLBACK FindControl(HWND child, LPARAM parameter) {
    auto& query = *reinterpret_cast<ControlQuery*>(parameter);
    if (GetDlgCtrlID(child) != query.id) return TRUE;
    query.found = child;
    return FALSE;
}

} // namespace

std::string ProgramPath(const char* variable) {
    char path[MAX_PATH] = "";
    if (GetEnvironmentVariableA(variable, path, MAX_PATH) == 0)
        throw std::runtime_error(std::string(variable) + " is not set");
    std::string result = path;
    std::replace(result.begin(), result.end(), '/', '\\');
    return result;
}

std::string LauncherPath() { return ProgramPath("TARNWICK_EXE"); }

LauncherProcess::LauncherProcess(
    const std::string& folder, const std::map<std::string, std::optional<std::string>>& environment,
    bool waitUntilIdle, const std::string& program)
    : LauncherProcess(Widen(folder), environment, waitUntilIdle, program) {}

LauncherProcess::LauncherProcess(
    const std::wstring& folder,
    const std::map<std::string, std::optional<std::string>>& environment, bool waitUntilIdle,
    const std::string& program) {
    std::string block = EnvironmentBlock(environment); // ANSI, as CreateProcessW takes it too
    std::wstring commandLine = L"\"" + Widen(program) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // Detached, as when started from the desktop: the launcher has no console
    // of ours, so a batch file it starts gets a console of its own.
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                        block.data(), folder.c_str(), &startup, &info_))
        throw std::runtime_error("cannot start " + program);
    if (waitUntilIdle) WaitForInputIdle(info_.hProcess, 10000);
}

LauncherProcess::~LauncherProcess() {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool LauncherProcess::WaitForExit(milliseconds patience) {
    return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(patience.count())) ==
           WAIT_OBJECT_0;
}

DWORD LauncherProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

std::vector<std::pair<HWND, std::string>> VisibleWindows(DWORD processId) {
    WindowQuery query{processId, {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

namespace {

BOOL CALLBACK FindVisibleList(HWND window, LPARAM found) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (!IsWindowVisible(window) || lstrcmpiA(name, "ComboLBox") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

} // namespace

HWND DroppedList() {
    HWND list = nullptr;
    WaitUntil([&] { return !EnumWindows(FindVisibleList, LPARAM(&list)) && list != nullptr; },
              milliseconds(3000));
    return list;
}

HWND FindWindowOf(DWORD processId, const std::string& caption) {
    for (const auto& [window, text] : VisibleWindows(processId))
        if (text == caption) return window;
    return nullptr;
}

HWND WaitForWindow(DWORD processId, const std::string& caption, milliseconds patience) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowOf(processId, caption)) != nullptr; }, patience);
    return found;
}

RemoteControl::RemoteControl(HWND window, int id) : hwnd_(GetDlgItem(window, id)), id_(id) {
    if (hwnd_ == nullptr) {
        // Controls may sit inside group boxes: look through every descendant.
        ControlQuery query{id, nullptr};
        EnumChildWindows(window, FindControl, reinterpret_cast<LPARAM>(&query));
        hwnd_ = query.found;
    }
    if (hwnd_ == nullptr) throw std::runtime_error("no control " + std::to_string(id));
}

std::string RemoteControl::Text() const { return WindowText(hwnd_); }

void RemoteControl::Type(const std::string& text) const {
    const std::wstring wide = Widen(text);
    SendMessageW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void RemoteControl::Click() const { PostMessageA(hwnd_, BM_CLICK, 0, 0); }

bool RemoteControl::Checked() const {
    return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RemoteControl::Choose(int index) const {
    SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageA(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id_), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(hwnd_));
}

int RemoteControl::Selected() const {
    return static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
}

int RemoteControl::ItemCount() const {
    const bool combo = ClassOf(hwnd_) == "ComboBox";
    return static_cast<int>(SendMessageW(hwnd_, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
}

std::vector<std::string> RemoteControl::Items() const {
    const bool combo = ClassOf(hwnd_) == "ComboBox";
    const auto count = SendMessageW(hwnd_, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    std::vector<std::string> items;
    for (LRESULT i = 0; i < count; ++i)
        items.push_back(ReadText(hwnd_, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN,
                                 combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i), false));
    return items;
}

void RemoteControl::SelectListItem(int index) const {
    SendMessageA(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageA(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id_), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(hwnd_));
}

int RemoteControl::ListSelected() const {
    return static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0));
}

void RemoteControl::PressKey(WORD virtualKey) const {
    // Keys typed into an editable combo box go to its edit field.
    // (GetComboBoxInfo does not answer across processes under Wine: the
    // field is found as the box's child window.)
    HWND target = hwnd_;
    if (ClassOf(hwnd_) == "ComboBox") {
        if (const HWND field = FindWindowExA(hwnd_, nullptr, "Edit", nullptr)) target = field;
    }
    PressKeyOn(target, virtualKey);
}

void RemoteControl::Focus() const {
    PostMessageA(GetAncestor(hwnd_, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hwnd_), TRUE);
}

int RemoteControl::ScrollPosition() const {
    return static_cast<int>(SendMessageA(hwnd_, SBM_GETPOS, 0, 0));
}

void RemoteControl::Scroll(int position) const {
    // Arrow clicks, one step each: a dragged thumb's position cannot be faked
    // from outside (the bar reports its track position only during a real drag).
    const bool vertical = (GetWindowLongA(hwnd_, GWL_STYLE) & SBS_VERT) != 0;
    const UINT message = vertical ? WM_VSCROLL : WM_HSCROLL;
    const auto bar = reinterpret_cast<LPARAM>(hwnd_);
    for (int now = ScrollPosition(); now != position;) {
        const WORD step = position > now ? SB_LINEDOWN : SB_LINEUP;
        SendMessageA(GetParent(hwnd_), message, MAKEWPARAM(step, 0), bar);
        const int moved = ScrollPosition();
        if (moved == now) break; // at an end, or the bar does not answer
        now = moved;
    }
    SendMessageA(GetParent(hwnd_), message, MAKEWPARAM(SB_ENDSCROLL, 0), bar);
}

bool RemoteControl::Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
bool RemoteControl::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

std::string MessageBoxText(HWND box) {
    const HWND text = GetDlgItem(box, 0xFFFF);
    return text == nullptr ? std::string() : WindowText(text);
}

std::string MessageBoxUtf8Text(HWND box) {
    const HWND text = GetDlgItem(box, 0xFFFF);
    if (text == nullptr) return {};
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(text)) + 64, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(text, wide.data(), int(wide.size()))));
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(),
                                                             int(wide.size()), utf8.data(),
                                                             int(utf8.size()), nullptr, nullptr)));
    return utf8;
}

void PressDialogButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PressKeyOn(HWND target, WORD virtualKey) {
    const UINT scan = MapVirtualKeyA(virtualKey, 0);
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | (static_cast<LPARAM>(scan) << 16));
    PostMessageA(target, WM_KEYUP, virtualKey,
                 1 | (static_cast<LPARAM>(scan) << 16) | (1 << 30) |
                     (static_cast<LPARAM>(1) << 31));
}

DroppedFiles::DroppedFiles(HANDLE process, HWND target, const std::vector<std::string>& paths)
    : process_(process) {
    // Wide, as the shell hands a drop over.
    std::wstring names;
    for (const std::string& path : paths) {
        std::wstring wide(path.size(), L'\0');
        wide.resize(static_cast<std::size_t>(MultiByteToWideChar(
            CP_UTF8, 0, path.data(), int(path.size()), wide.data(), int(wide.size()))));
        names += wide + L'\0';
    }
    names += L'\0';
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    block.append(reinterpret_cast<const char*>(names.data()), names.size() * sizeof(wchar_t));
    block_ =
        VirtualAllocEx(process_, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (block_ == nullptr ||
        !WriteProcessMemory(process_, block_, block.data(), block.size(), nullptr))
        throw std::runtime_error("cannot place the dropped files in the launcher");
    PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(block_), 0);
}

DroppedFiles::~DroppedFiles() { VirtualFreeEx(process_, block_, 0, MEM_RELEASE); }

bool Settle(HWND hiddenButton, milliseconds patience) {
    // Messages posted to one thread are handled in the order of posting, so
    // once the flipped state shows, everything posted earlier has been handled.
    const auto pushed = [hiddenButton] {
        return (SendMessageA(hiddenButton, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    };
    for (const bool wanted : {!pushed(), pushed()}) {
        PostMessageA(hiddenButton, BM_SETSTATE, wanted ? TRUE : FALSE, 0);
        if (!WaitUntil([&] { return pushed() == wanted; }, patience)) return false;
    }
    return true;
}

namespace {

GUITHREADINFO ThreadStateOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return {};
    return info;
}

} // namespace

HWND FocusOf(HWND window) { return ThreadStateOf(window).hwndFocus; }

HWND ActiveOf(HWND window) { return ThreadStateOf(window).hwndActive; }

} // namespace tarnwick::e2e
