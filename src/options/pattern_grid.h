// The grid of the ten back patterns in the pattern dialog: 5 columns, 2 rows, 5 pixels apart.
#pragma once

namespace tavolex {

constexpr int kPatternGridColumns = 5;
constexpr int kPatternGridRows = 2;
constexpr int kPatternGridGap = 5;

struct GridCell {
    int x = 0;
    int y = 0;
};

// Top-left corner of cell index for patterns of width x height pixels.
GridCell PatternCellOrigin(int index, int width, int height);
// The cell under a point, or -1 between and outside the cells.
int PatternCellAt(int x, int y, int width, int height);
// Width and height of the whole grid with its outer gaps.
GridCell PatternGridExtent(int width, int height);

}  // namespace tavolex
