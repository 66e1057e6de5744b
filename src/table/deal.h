// Starting a match and dealing its hands.
#pragma once

#include "game/cards.h"

namespace tavolex {

class Table;

// The New command.
void StartNewGame(Table& table);
// Gives a card to the opponent as the deal does: a red three is laid face up on its melds
// (false), any other card joins its hand row (true).
bool DealToOpponent(Table& table, CardRecord card);
// Shuffles and deals; firstOfRun only for the first hand after start-up.
void DealHand(Table& table, bool firstOfRun);

}  // namespace tavolex
