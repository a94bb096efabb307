// Reading a window's layout back from the system: what a person would see.
#pragma once

#include "Dpi.h"

#include <windows.h>
#include <oleacc.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tarnwick::forms {

inline std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

inline std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// The window's rectangle in its parent's client area.
inline RECT PlaceOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline bool HasStyle(HWND window, LONG style) {
    return (GetWindowLongA(window, GWL_STYLE) & style) == style;
}

// Where a design rectangle (96-dpi pixels, counted from origin) lands at dpi.
inline RECT Scaled(const Dpi& dpi, int originLeft, int originTop, int left, int top, int width,
                   int height) {
    return {dpi.Scale(originLeft + left), dpi.Scale(originTop + top),
            dpi.Scale(originLeft + left + width), dpi.Scale(originTop + top + height)};
}

inline std::string Describe(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
           std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

// Whether the window shows a caption that must fit it: a label or static
// text, a check box or a push button (not a group box's frame title).
inline bool HoldsCaption(HWND window) {
    if (TextOf(window).empty()) return false;
    if (ClassOf(window) == "Static") return true;
    const LONG type = GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
    return ClassOf(window) == "Button" && type != BS_GROUPBOX;
}

// Whether a caption shows whole in its window, in its own font: on one line,
// or word-wrapped when a static text wraps; beside a check box's box, or
// inside a push button's edges.
inline bool CaptionFits(HWND window) {
    const std::string text = TextOf(window);
    RECT client{};
    GetClientRect(window, &client);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const bool isStatic = ClassOf(window) == "Static";
    const bool wraps = isStatic && (style & SS_TYPEMASK) == SS_LEFT;
    const bool checkBox = !isStatic && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
    if (checkBox) client.right -= GetSystemMetrics(SM_CXMENUCHECK);
    if (!isStatic && !checkBox) InflateRect(&client, -2, -2); // a push button's edges
    RECT needed{0, 0, client.right - client.left, 0};
    HDC dc = GetDC(window);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return needed.right <= client.right - client.left &&
           needed.bottom <= client.bottom - client.top;
}

// How many pixels of a static text's caption show: the control drawn as it
// draws itself (WM_PRINTCLIENT), and the caption drawn with no edge to stop
// it, in the same font. Where the control shows fewer, its edge cut the
// caption, even where a measure of the text said it fits.
inline std::pair<int, int> CaptionInk(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const std::string text = TextOf(window);
    const bool wraps = (GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT;
    const auto inkOf = [](RECT area, auto draw) {
        BITMAPINFO format{};
        format.bmiHeader = {
            sizeof format.bmiHeader, area.right, -area.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP canvas = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ previous = SelectObject(dc, canvas);
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        draw(dc);
        GdiFlush();
        // The commonest colour is the background, whichever brush drew it.
        const auto* pixels = static_cast<const DWORD*>(bits);
        std::map<DWORD, int> colours;
        for (int i = 0; i < area.right * area.bottom; ++i)
            ++colours[pixels[i]];
        int background = 0;
        for (const auto& [colour, count] : colours)
            background = std::max(background, count);
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(canvas);
        return area.right * area.bottom - background;
    };
    const int shown = inkOf(
        client, [&](HDC dc) { SendMessageA(window, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT); });
    const int whole = inkOf(RECT{0, 0, client.right + 200, client.bottom * 4}, [&](HDC dc) {
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
        SetBkMode(dc, TRANSPARENT);
        RECT room = client;
        DrawTextA(dc, text.c_str(), int(text.size()), &room,
                  DT_NOPREFIX | DT_NOCLIP | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    });
    return {shown, whole};
}

// The identifiers of the window's controls in the order Tab visits them,
// starting from the first tab stop and ending before it comes round again.
inline std::vector<int> TabOrderOf(HWND window) {
    std::vector<int> order;
    const HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
    for (HWND item = first; item != nullptr && order.size() < 1000;) {
        order.push_back(GetDlgCtrlID(item));
        item = GetNextDlgTabItem(window, item, FALSE);
        if (item == first) break;
    }
    return order;
}

// What a screen reader hears for a control: the name of its accessible
// object, asked for as a screen reader asks (the window's WM_GETOBJECT); the
// caller has initialised COM. The name asked for through IDispatch, as a
// script asks, must be the same; the object must give its role and, as one
// object with the rest, its window. Marks say what is missing.
inline std::string AccessibleNameOf(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(&object))))
        return "<no object>";
    const auto narrow = [](BSTR wide) {
        char text[256] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        return std::string(text);
    };
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text = "<no name>";
    if (SUCCEEDED(object->get_accName(self, &name)) && name != nullptr) {
        text = narrow(name);
        SysFreeString(name);
    }
    DISPPARAMS arguments{&self, nullptr, 1, 0};
    VARIANT dispatched{};
    if (FAILED(object->Invoke(DISPID_ACC_NAME, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                              &arguments, &dispatched, nullptr, nullptr)) ||
        dispatched.vt != VT_BSTR || narrow(dispatched.bstrVal) != text)
        text += " <another name through IDispatch>";
    VariantClear(&dispatched);
    // Everything else still comes from the system's own object: the role,
    // and the window, under the one identity of the object.
    VARIANT role{};
    if (FAILED(object->get_accRole(self, &role)) || role.vt != VT_I4) text += " <no role>";
    IOleWindow* windowOf = nullptr;
    HWND found = nullptr;
    IUnknown* identity = nullptr;
    IUnknown* identityOfWindow = nullptr;
    object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
    if (FAILED(object->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&windowOf))) ||
        FAILED(windowOf->GetWindow(&found)) || found != window ||
        FAILED(
            windowOf->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identityOfWindow))) ||
        identityOfWindow != identity)
        text += " <no window of its own>";
    for (IUnknown* held : {static_cast<IUnknown*>(windowOf), identity, identityOfWindow})
        if (held) held->Release();
    object->Release();
    return text;
}

} // namespace tarnwick::forms
