#include "WindowClass.h"

#include "Win32Error.h"

namespace tarnwick::forms {

ATOM RegisterWindowClass(const char* name, WNDPROC procedure, HCURSOR cursor, HBRUSH background) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = cursor;
    windowClass.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    if (!windowClass.hIcon) windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    const ATOM atom = RegisterClassExA(&windowClass);
    if (!atom) ThrowLastError(std::string("RegisterClassEx ") + name);
    return atom;
}

} // namespace tarnwick::forms
