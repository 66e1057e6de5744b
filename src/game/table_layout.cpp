#include "game/table_layout.h"

#include <algorithm>

namespace tavolex {

namespace {
constexpr std::array<ScreenLayout, kLayouts> kScreenLayouts = {{
    {640, 480, 42, 65, "640", "640x480"},
    {800, 600, 53, 81, "800", "800x600"},
    {1024, 768, 67, 104, "1024", "1024x768"},
    {1280, 1024, 67, 104, "1024", "1280x1024"},
}};
}  // namespace

const ScreenLayout& ScreenLayoutAt(int resolution) {
    return kScreenLayouts[std::clamp(resolution, 0, kLayouts - 1)];
}

int DefaultClientWidth(int resolution) {
    return ScreenLayoutAt(resolution).windowWidth - kWindowFrameWidth;
}

TableLayout ComputeTableLayout(int resolution, int clientWidth) {
    const ScreenLayout& screen = ScreenLayoutAt(resolution);
    TableLayout layout;
    layout.CardWidth = screen.cardWidth;
    layout.CardHeight = screen.cardHeight;
    layout.ColumnPitch = (clientWidth - 14 * screen.cardWidth) / 14 + screen.cardWidth;
    if (layout.ColumnPitch < 1) layout.ColumnPitch = 1;
    layout.MiddleY = screen.windowHeight / 2 - 38;
    layout.StockTop = layout.MiddleY - layout.CardHeight - 2;
    layout.DiscardTop = layout.MiddleY + 2;
    layout.OwnMeldTop = layout.MiddleY - 6;
    layout.OpponentMeldTop = layout.MiddleY - layout.CardHeight + 9;
    layout.OwnHandTop = layout.OwnMeldTop + 60 + layout.CardHeight + 2;
    return layout;
}

}  // namespace tavolex
