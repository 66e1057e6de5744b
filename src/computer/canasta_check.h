// What the levels' pile decisions share: the Beginner's canasta check, which the Advanced and
// the Expert reuse with their own count of wild cards reserved for the opening, the minimum for
// the turn, and the copy of the top card the decisions count with.
#pragma once

#include "computer/computer_turn.h"

namespace tavolex {

// Whether taking the discard pile puts a canasta in view: the highest rank r from 13 down to 3
// whose natural cards in hand, discard pile and meld (n, less 1 for the top card's rank,
// counted twice) number at least 4 with n + wild cards in hand >= 7 is the target; when the
// hand holds fewer than 3 of it, the target stands only if n - wildReserved + wild cards >= 7.
// Reads the census as it stands: the caller takes it with the copy of the top card in hand.
// target (when given) receives the target rank, or -1 when there is none.
bool CanastaCandidateStands(TurnContext& turn, int topRank, int wildReserved,
                            int* target = nullptr);

// MeldMinimum for the rest of the turn: the match total's minimum, raised by the top card's
// value when "Top Card Counts" is off (whether or not the pile is then taken).
void SetMinimumForTopCard(TurnContext& turn, const CardRecord& top);

// The copy of the top discard that the pile decisions put at the end of the computer's hand
// while they count: it takes the place a drawn card would take, so taking it out again
// (RemoveFromComputerHand of the last index) moves no other card of the hand row.
void PutTopCardCopyInHand(Table& table, const CardRecord& top);
void TakeTopCardCopyOut(Table& table);

}  // namespace tavolex
