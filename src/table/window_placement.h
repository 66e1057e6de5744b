// Where the table window opens and in which layout, from "Settings\Resolution", and what is
// written back there on exit.
#pragma once

#include <string>

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
// The layout a name selects; an unknown name selects 640 x 480.
int ResolutionFromName(const std::string& name);
// "left,top,layoutname", the stored form.
std::string ResolutionText(int left, int top, int resolution);
// The stored value when none is there: "0,0," and the largest layout that fits.
std::string DefaultResolutionText(int screenWidth);
// A position off the screen becomes 0; a layout wider than the screen becomes the largest that
// fits. Fields that are not numbers read as 0.
WindowPlacement PlaceWindow(const std::string& stored, int screenWidth, int screenHeight);

}  // namespace tavolex
