#include "options/pattern_grid.h"

#include "options/card_back.h"

namespace tavolex {

GridCell PatternCellOrigin(int index, int width, int height) {
    return {(index % kPatternGridColumns) * (width + kPatternGridGap) + kPatternGridGap,
            (index / kPatternGridColumns) * (height + kPatternGridGap) + kPatternGridGap};
}

int PatternCellAt(int x, int y, int width, int height) {
    for (int index = 0; index < kPatternCount; ++index) {
        const GridCell cell = PatternCellOrigin(index, width, height);
        if (x >= cell.x && x < cell.x + width && y >= cell.y && y < cell.y + height) {
            return index;
        }
    }
    return -1;
}

GridCell PatternGridExtent(int width, int height) {
    return {kPatternGridColumns * (width + kPatternGridGap) + kPatternGridGap,
            kPatternGridRows * (height + kPatternGridGap) + kPatternGridGap};
}

}  // namespace tavolex
