#include "AnsiText.h"

#include "Win32Error.h"

#include <windows.h>

namespace tarnwick {

std::wstring WideFrom(std::string_view text, unsigned codePage) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (length == 0) ThrowLastError("the code-page conversion");
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string NarrowTo(std::wstring_view wide, unsigned codePage, bool& lost) {
    lost = false;
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultAnswer = codePage == CP_UTF8 ? nullptr : &usedDefault;
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr,
                                           usedDefaultAnswer);
    if (length == 0) ThrowLastError("the code-page conversion");
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr,
                        usedDefaultAnswer);
    lost = usedDefault != FALSE;
    return text;
}

std::string AnsiFromWide(std::wstring_view text) {
    bool lost = false;
    return NarrowTo(text, CP_ACP, lost);
}

std::wstring WideFromAnsi(std::string_view text) { return WideFrom(text, CP_ACP); }

} // namespace tarnwick
