// Taking the discard pile in two stages, its undo, the forced rule and the freezing discards.
#pragma once

#include "game/cards.h"

namespace tavolex {

class Table;

bool PileMayBeTaken(Table& table, bool forClick);
// The player must take the pile (meaningful once the stock is empty).
bool IsForced(Table& table);
// The same test for the opponent's side (its hand size and meld columns).
bool IsForcedForOpponent(Table& table);
// A click on the discard pile (a second click undoes a pending take).
void TakePile(Table& table);
// Makes a pending take final when the top card is now validly melded.
void CompletePileTake(Table& table);
// The player's undo costs 50 points (charged); rewinding a turn to save it on exit does not.
void UndoPileTake(Table& table, bool charged = true);
// May the card be discarded; a wild card (or a red three with ThreeBlock) freezes the pile.
bool DiscardRule(Table& table, const CardRecord& card);

}  // namespace tavolex
