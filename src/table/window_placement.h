// Where the table window opens and in which layout: the screen's rules over the stored
// placement.
#pragma once

namespace tavolex {

struct WindowPlacement {
    int left = 0;
    int top = 0;
    int resolution = 0;
    // The layout fills the screen's width: the window opens maximised, with its maximise box.
    bool maximised = false;
};

// The largest layout whose width fits the screen.
int LargestLayout(int screenWidth);
// A position off the screen becomes 0; a layout wider than the screen becomes the largest that
// fits.
WindowPlacement PlaceWindow(int left, int top, int resolution, int screenWidth, int screenHeight);

}  // namespace tavolex
