// Ownership of one image list.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace tarnwick::forms {

class ImageList {
  public:
    ImageList() = default;
    explicit ImageList(HIMAGELIST list) noexcept : list_(list) {}
    ImageList(ImageList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
    ImageList& operator=(ImageList&& other) noexcept {
        std::swap(list_, other.list_);
        return *this;
    }
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;
    ~ImageList() {
        if (list_) ImageList_Destroy(list_);
    }

    HIMAGELIST Get() const noexcept { return list_; }

  private:
    HIMAGELIST list_ = nullptr;
};

} // namespace tarnwick::forms
