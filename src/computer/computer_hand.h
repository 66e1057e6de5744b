// Moving cards for the computer: into its hand, out of it, onto its melds.
#pragma once

#include <optional>

#include "game/table.h"

namespace tavolex {

// Unwinds the computer's turn after an internal failure that stops the program; the turn's
// entry point catches it once the program has been asked to close.
struct ComputerTurnAborted {};

// Appends a card to the computer's hand row (animated from where it lay when asked).
void AddToComputerHand(Table& table, CardRecord card, bool animate);
// Removes the card at a hand index and closes the row; a bad index stops the program.
CardRecord RemoveFromComputerHand(Table& table, int index);
// Takes a card out of the hand for good (melded or discarded): the other side stops
// remembering it there. Trial removals that put the hand back use RemoveFromComputerHand.
CardRecord PlayCardFromComputerHand(Table& table, int index);
// Lays a card face up on one of the computer's meld columns (above a squared canasta), counts
// its points and squares the column when it reaches seven. The census must be current.
void LayOnOpponentMeld(Table& table, CardRecord card, int column);
// Moves one card from the hand onto the computer's meld column of its rank.
CardRecord MeldFromHand(Table& table, int index);
// Lays a joker (or else a two) from the hand on the meld of a rank.
void ComputerAddWild(Table& table, int rank);
// Lays every red three of the hand, scanning from its first or its last card.
void LayRedThrees(Table& table, bool fromLast);
// Lays up to count wild cards, none where they would outnumber a meld's naturals: first on the
// melds short of a canasta, then on the canastas, each from the lowest rank upward.
void PlaceWildCards(Table& table, int count);
// Lays the hand's black threes when there are three or more, the canastas to go out stand and
// nothing else is left but a card to discard: they go down only to go out, as the player's do.
void LayBlackThreesGoingOut(Table& table);
// Melds up to max cards of a rank (0: all), each time the first (or last) card of the rank
// in the hand, but not the hand's last card while the canastas to go out are missing (unless
// the meld needs it); then a natural meld of exactly two cards gets one wild card.
void MeldRankFromHand(Table& table, int rank, bool fromLast, int max = 0);

// Index of the first card of a rank in the computer's hand, -1 when it holds none.
int FindCardOfRank(const Table& table, int rank);
// Jokers and twos in the computer's meld column of a rank.
int WildsInMeld(const Table& table, int rank);
// The y of a rank's canasta row on the computer's side.
int32_t OpponentCanastaRowY(const Table& table);

}  // namespace tavolex
