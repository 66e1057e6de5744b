// Where the player's hand is drawn and clicked. Each rank column keeps the places the layout
// gives while it fits above the bottom of the visible table; a column that would run past it
// first closes up its overlap, never below the index strip, and then rises just as far as it
// still must, so that every card's index stays in sight and within reach.
#pragma once

#include <array>
#include <cstdint>

#include "game/card_pile.h"
#include "game/table_layout.h"

namespace tavolex {

// The top strip of a card that holds its rank and suit.
constexpr int kIndexStrip = 11;
// Two packs hold eight cards of a rank: no hand column is ever taller.
constexpr int kTallestHandColumn = 8;

struct DrawnCard {
    int32_t y = 0;
    // The part that shows above the card lying over it (the whole card at a column's end): the
    // part that takes the card's clicks.
    int32_t shownHeight = 0;
};

using DrawnHand = std::array<DrawnCard, kMaxPile>;

// By pile index; cards keep their x. visibleBottom is the lowest y the window shows.
DrawnHand DrawHand(const CardPile& hand, const TableLayout& layout, int32_t visibleBottom);

// The highest y any hand column can be drawn from, for repainting the whole hand.
int32_t HandAreaTop(const TableLayout& layout, int32_t visibleBottom);

}  // namespace tavolex
