// Pixel layout of the table at each of the four window sizes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tavolex {

constexpr int kLayouts = 4;
// The frame the original platform drew round the client area: every front end uses a
// client width of the layout's window width minus this, so saved positions agree.
constexpr int kWindowFrameWidth = 8;

struct ScreenLayout {
    int windowWidth;
    int windowHeight;
    int cardWidth;
    int cardHeight;
    const char* imageSuffix;
    const char* name;
};

const ScreenLayout& ScreenLayoutAt(int resolution);

struct TableLayout {
    int32_t LeftMargin = 3;
    int32_t CardWidth = 0;
    int32_t CardHeight = 0;
    int32_t ColumnPitch = 1;
    int32_t MiddleY = 0;
    int32_t StockTop = 0;
    int32_t DiscardTop = 0;
    int32_t OwnMeldTop = 0;
    int32_t OpponentMeldTop = 0;
    int32_t OwnHandTop = 0;

    int ColumnOf(int32_t x) const { return (x - LeftMargin) / ColumnPitch; }
    int32_t ColumnLeft(int column) const { return LeftMargin + column * ColumnPitch; }
    bool operator==(const TableLayout&) const = default;
};

// clientWidth is the window's client width; DefaultClientWidth gives it for a normal window.
TableLayout ComputeTableLayout(int resolution, int clientWidth);
int DefaultClientWidth(int resolution);
inline TableLayout ComputeTableLayout(int resolution) {
    return ComputeTableLayout(resolution, DefaultClientWidth(resolution));
}

}  // namespace tavolex
