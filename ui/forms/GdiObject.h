// Ownership of one GDI object: fonts, bitmaps, brushes. Deleted with its owner.
#pragma once

#include "OwnedHandle.h"

#include <windows.h>

namespace tarnwick::forms {

template <class GdiHandle> struct GdiObjectTraits {
    using Handle = GdiHandle;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle object) noexcept { DeleteObject(object); }
};

template <class Handle> using GdiObject = OwnedHandle<GdiObjectTraits<Handle>>;

} // namespace tarnwick::forms
