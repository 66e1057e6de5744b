#include "options/pattern_grid.h"

#include <gtest/gtest.h>

namespace tavolex {
namespace {

// Cards of 53 x 81: five across, two down, five pixels apart; a point between cells hits nothing.
TEST(PatternGridTest, CellsLieInAGridAndAPointHitsTheCellItLiesIn) {
    EXPECT_EQ(PatternCellOrigin(0, 53, 81).x, 5);
    EXPECT_EQ(PatternCellOrigin(4, 53, 81).x, 4 * 58 + 5);
    EXPECT_EQ(PatternCellOrigin(4, 53, 81).y, 5);
    EXPECT_EQ(PatternCellOrigin(7, 53, 81).x, 2 * 58 + 5);
    EXPECT_EQ(PatternCellOrigin(7, 53, 81).y, 86 + 5);
    EXPECT_EQ(PatternGridExtent(53, 81).x, 5 * 58 + 5);
    EXPECT_EQ(PatternGridExtent(53, 81).y, 2 * 86 + 5);
    EXPECT_EQ(PatternCellAt(5, 5, 53, 81), 0);
    EXPECT_EQ(PatternCellAt(57, 85, 53, 81), 0);
    EXPECT_EQ(PatternCellAt(58, 40, 53, 81), -1);
    EXPECT_EQ(PatternCellAt(63, 40, 53, 81), 1);
    EXPECT_EQ(PatternCellAt(30, 88, 53, 81), -1);
    EXPECT_EQ(PatternCellAt(4 * 58 + 5 + 52, 91 + 80, 53, 81), 9);
    EXPECT_EQ(PatternCellAt(4 * 58 + 5 + 53, 100, 53, 81), -1);
    EXPECT_EQ(PatternCellAt(2, 2, 53, 81), -1);
}

}  // namespace
}  // namespace tavolex
