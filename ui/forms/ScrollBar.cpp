#include "ScrollBar.h"

#include <algorithm>

namespace tarnwick::forms {

ScrollBar::ScrollBar(Container& parent, int id, Bounds bounds, Orientation orientation,
                     const ScrollRange& range)
    : Control(parent, id, {}, bounds,
              {"SCROLLBAR",
               DWORD(WS_TABSTOP | (orientation == Orientation::Horizontal ? SBS_HORZ : SBS_VERT))}),
      range_(range) {
    range_.position = std::clamp(range_.position, range_.min, range_.max);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = range_.min;
    info.nMax = range_.max;
    info.nPage = 0; // no proportional thumb
    info.nPos = range_.position;
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void ScrollBar::SetPosition(int position) {
    position = std::clamp(position, range_.min, range_.max);
    if (position == range_.position) return;
    range_.position = position;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
    if (onChange) onChange();
}

void ScrollBar::Scroll(WORD request) {
    switch (request) {
    case SB_LINEUP:
        SetPosition(range_.position - range_.arrowStep);
        break;
    case SB_LINEDOWN:
        SetPosition(range_.position + range_.arrowStep);
        break;
    case SB_PAGEUP:
        SetPosition(range_.position - range_.pageStep);
        break;
    case SB_PAGEDOWN:
        SetPosition(range_.position + range_.pageStep);
        break;
    case SB_TOP:
        SetPosition(range_.min);
        break;
    case SB_BOTTOM:
        SetPosition(range_.max);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The 32-bit track position; the message's own is 16 bits.
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_CTL, &info);
        SetPosition(info.nTrackPos);
        break;
    }
    default:
        break;
    }
}

} // namespace tarnwick::forms
