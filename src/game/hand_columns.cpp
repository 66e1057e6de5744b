#include "game/hand_columns.h"

#include <algorithm>
#include <vector>

namespace tavolex {

namespace {

// A column's cards from the top down, with the y each is drawn at.
void FitColumn(const CardPile& hand, std::vector<int>& column, const TableLayout& layout,
               int32_t visibleBottom, DrawnHand& drawn) {
    std::sort(column.begin(), column.end(),
              [&](int a, int b) { return hand.cards[a].y < hand.cards[b].y; });
    const int32_t top = hand.cards[column.front()].y;
    const int32_t room = visibleBottom - layout.CardHeight - top;
    const int gaps = static_cast<int>(column.size()) - 1;
    const bool fits = hand.cards[column.back()].y - top <= room;
    const int32_t step = gaps == 0 ? 0 : std::clamp<int32_t>(room / gaps, kIndexStrip, kCardStep);
    const int32_t drawnTop = std::min(top, visibleBottom - layout.CardHeight - gaps * step);
    for (int k = 0; k <= gaps; ++k) {
        const int index = column[k];
        drawn[index].y = fits ? hand.cards[index].y : drawnTop + k * step;
    }
    for (int k = 0; k <= gaps; ++k) {
        drawn[column[k]].shownHeight =
            k == gaps ? layout.CardHeight : drawn[column[k + 1]].y - drawn[column[k]].y;
    }
}

}  // namespace

DrawnHand DrawHand(const CardPile& hand, const TableLayout& layout, int32_t visibleBottom) {
    std::array<std::vector<int>, kColumns> columns;
    for (int i = 0; i < hand.count; ++i) {
        const int column = layout.ColumnOf(hand.cards[i].x);
        if (column >= 0 && column < kColumns) columns[column].push_back(i);
    }
    DrawnHand drawn{};
    for (int i = 0; i < hand.count; ++i) drawn[i] = {hand.cards[i].y, layout.CardHeight};
    for (std::vector<int>& column : columns) {
        if (!column.empty()) FitColumn(hand, column, layout, visibleBottom, drawn);
    }
    return drawn;
}

int32_t HandAreaTop(const TableLayout& layout, int32_t visibleBottom) {
    return std::min(layout.OwnHandTop,
                    visibleBottom - layout.CardHeight - (kTallestHandColumn - 1) * kIndexStrip);
}

}  // namespace tavolex
