// Where the New folder button stands in the shell's dialog and how wide it
// gets, for the screen's pixels per inch: fixed places for the common
// settings, scaled ones otherwise.
#pragma once

namespace tarnwick::vesk {

struct ButtonPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ButtonPlace&) const = default;
};

// The first place and size, from the pixels per inch, the dialog's client
// height and the height of a caption bar.
ButtonPlace NewFolderButtonPlace(int pixelsPerInch, int clientHeight, int captionBarHeight);

// The width for a caption `textWidth` pixels wide: the text plus 12, but no
// narrower than the standard button width at that resolution.
int NewFolderButtonWidth(int pixelsPerInch, int textWidth);

} // namespace tarnwick::vesk
