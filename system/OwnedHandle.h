// Ownership of one handle that the system hands out, in one way for every
// kind: move-only, given back to the system when its owner goes. The traits
// of a kind say how, beside the code that uses it:
//   using Handle = ...;                   the handle's type
//   static Handle Empty() noexcept;       the value that holds nothing
//   static void Close(Handle) noexcept;   gives the handle back
// Holds no system header, so the launch logic also builds natively.
#pragma once

#include <utility>

namespace tarnwick {

template <class Traits> class OwnedHandle {
  public:
    using Handle = typename Traits::Handle;

    OwnedHandle() noexcept = default;
    explicit OwnedHandle(Handle handle) noexcept : handle_(handle) {}
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.Release()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { Reset(); }

    Handle Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Empty(); }

    // Hands the handle over unclosed (to a call that closes it and says
    // whether that worked); this owner then holds nothing.
    Handle Release() noexcept { return std::exchange(handle_, Traits::Empty()); }
    // Gives back the handle held, if any, and holds the one given.
    void Reset(Handle handle = Traits::Empty()) noexcept {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Empty()) Traits::Close(old);
    }

  private:
    Handle handle_ = Traits::Empty();
};

} // namespace tarnwick
