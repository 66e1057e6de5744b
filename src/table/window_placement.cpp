#include "table/window_placement.h"

#include <algorithm>

#include "game/table_layout.h"

namespace tavolex {

int LargestLayout(int screenWidth) {
    for (int resolution = kLayouts - 1; resolution > 0; --resolution) {
        if (screenWidth >= ScreenLayoutAt(resolution).windowWidth) return resolution;
    }
    return 0;
}

WindowPlacement PlaceWindow(int left, int top, int resolution, int screenWidth, int screenHeight) {
    WindowPlacement placement;
    placement.left = left < 0 || left > screenWidth ? 0 : left;
    placement.top = top < 0 || top > screenHeight ? 0 : top;
    placement.resolution =
        std::min(std::clamp(resolution, 0, kLayouts - 1), LargestLayout(screenWidth));
    placement.maximised = screenWidth == ScreenLayoutAt(placement.resolution).windowWidth;
    return placement;
}

}  // namespace tavolex
