#include "NewFolderButtonLayout.h"

#include <algorithm>

namespace tarnwick::vesk {

ButtonPlace NewFolderButtonPlace(int p, int h, int captionBarHeight) {
    switch (p) {
    case 72:
    case 96:
        return {12, h - 36, 75, 23};
    case 120:
        return {15, h - 45, 93, 28};
    case 144:
        return {17, h - 56, 112, 35};
    case 192:
        return {20, h - 66, 150, 41};
    default:
        return {p * 12 / 96, h - captionBarHeight - 17, p * 75 / 96, p * 23 / 96};
    }
}

int NewFolderButtonWidth(int p, int textWidth) {
    int minimum = p == 72 ? 75 : p * 75 / 96;
    return std::max(textWidth + 12, minimum);
}

} // namespace tarnwick::vesk
