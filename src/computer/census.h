// The computer's card census: every table recounted from the piles on each call.
#pragma once

#include "game/table.h"

namespace tavolex {

// Fills OpponentHandCount, OpponentMeldCount and PlayerMeldCount (meld columns from x),
// DiscardCount, and the computer's own KnownPlayerCount, PlayerMeldRankCount and
// OpponentMeldRankCount. PlayerHandCount is left as it was last counted.
void CardCensus(Table& table);

// Small counts the decisions read after a census.
struct HandShape {
    int jokers = 0;
    int deuces = 0;
    int blackThrees = 0;
    int Wild() const { return jokers + deuces; }
};
HandShape ShapeOfComputerHand(const Table& table);

// Points of a rank in planning sums: 5, 10 or 20 for naturals, 50 a joker, 20 a two.
int ValueOfRank(int rank);

}  // namespace tavolex
