// A small picture on a button: a bitmap resource of square images side by
// side, one per state, with magenta (255, 0, 255) as the transparent colour.
#pragma once

namespace tarnwick::forms {

struct Glyph {
    int resourceId = 0;
    int size = 16;  // of one image, in pixels at 96 dpi
    int states = 1; // 1: one image for every state; 2: normal, then disabled
    // A shape of one colour (an arrow), drawn in the button text colour of the
    // system's scheme so that it shows on any button face.
    bool inTextColour = false;
};

} // namespace tarnwick::forms
