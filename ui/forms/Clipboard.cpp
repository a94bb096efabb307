#include "Clipboard.h"

#include "AnsiText.h"
#include "Win32Error.h"

#include <cstring>
#include <memory>

namespace tarnwick::forms {
namespace {

struct FreeGlobal {
    void operator()(void* memory) const { GlobalFree(memory); }
};
struct CloseClipboardAtEnd {
    ~CloseClipboardAtEnd() { CloseClipboard(); }
};

} // namespace

void CopyToClipboard(HWND owner, std::string_view text) {
    const std::wstring wide = WideFromAnsi(text);
    const std::size_t size = (wide.size() + 1) * sizeof(wchar_t);
    // Ours until the clipboard takes it.
    std::unique_ptr<void, FreeGlobal> memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory) ThrowLastError("GlobalAlloc");
    std::memcpy(GlobalLock(memory.get()), wide.c_str(), size);
    GlobalUnlock(memory.get());
    if (!OpenClipboard(owner)) ThrowLastError("OpenClipboard");
    const CloseClipboardAtEnd closing;
    if (!EmptyClipboard()) ThrowLastError("EmptyClipboard");
    if (!SetClipboardData(CF_UNICODETEXT, memory.get())) ThrowLastError("SetClipboardData");
    memory.release();
}

} // namespace tarnwick::forms
