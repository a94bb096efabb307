// Ownership of one image list.
#pragma once

#include "OwnedHandle.h"

#include <windows.h>
#include <commctrl.h>

namespace tarnwick::forms {

struct ImageListTraits {
    using Handle = HIMAGELIST;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle list) noexcept { ImageList_Destroy(list); }
};

using ImageList = OwnedHandle<ImageListTraits>;

} // namespace tarnwick::forms
