// Starting a match and dealing its hands.
#pragma once

#include <array>
#include <cstdint>

#include "game/card_pile.h"

namespace tavolex {

class Table;

// The New command.
void StartNewGame(Table& table);
// Clears what a hand leaves behind (tallies, turn flags, the pile's freeze from the setting,
// the computer's knowledge of the hands); the piles are refilled by the caller.
void ResetHandFields(Table& table);
// Gives a card to the opponent as the deal does: a red three is laid face up on its melds
// (false), any other card joins its hand row (true).
bool DealToOpponent(Table& table, CardRecord card);
// Shuffles and deals; firstOfRun only for the first hand after start-up.
void DealHand(Table& table, bool firstOfRun);
// The hand the peer dealt: the stock rebuilt from the slot of each card (in the deal text's
// order) and dealt as the dealer dealt it, so both tables hold the same cards in the same places.
// dealerStartsFirst: the dealer's player draws first.
void DealReceivedHand(Table& table, bool dealerStartsFirst,
                      const std::array<uint8_t, kMaxPile>& slots);

}  // namespace tavolex
