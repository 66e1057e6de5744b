// Laying melds: the player's melding actions, wild cards, canastas and the meld check.
#pragma once

#include <array>
#include <string>

#include "game/card_pile.h"
#include "game/game_state.h"
#include "game/table_layout.h"

namespace tavolex {

class Table;

// Reasons a meld check fails, shown after "Discarding is not possible now: ".
extern const char* const kRejectTooFewCards;       // code 1
extern const char* const kRejectBlackThrees;       // code 3
extern const char* const kRejectTooManyWildcards;  // code 5
extern const char* const kRejectWildCanasta;       // code 7
extern const char* const kRejectTopCard;
std::string RejectInitialMeld(int minimum, int total);  // code 4
// The last card may not be discarded without the canastas needed to go out.
std::string RejectGoingOut(int canastasNeeded);

// The meld check of the player's meld area; on failure it sets RejectReason.
bool MeldsValid(Table& table);
// One side's melds counted by column: naturals (black threes apart), wild cards, black threes.
struct MeldColumns {
    std::array<int, kColumns> naturals{};
    std::array<int, kColumns> wilds{};
    int blackThrees = 0;
};
MeldColumns CountMeldColumns(const CardPile& melds, const TableLayout& layout);
// MeldsValid, and no pile take still pending.
bool MeldsValidForDiscard(Table& table);
void UpdateBlackThreesAllowed(Table& table);

// A click on a natural card of the hand (its index in PlayerHand).
void MeldCard(Table& table, int handIndex);
// Shift-click (every card of the rank) or ctrl-click (onlyToThree: enough to make three).
void MeldRank(Table& table, int handIndex, bool onlyToThree);
// Lays one joker (or else deuce) of the hand on the player's meld of a column.
void AddWildToMeld(Table& table, int column);
// A click on a meld card: one wild card, or with shift enough to complete the canasta.
void WildOntoMeld(Table& table, int column, bool shift);
void CompleteWithWilds(Table& table, int column);
enum class WildCanastaMode { One, UpToThree, UpToSeven };
// A click on a wild card of the hand: starts or extends the wild-card canasta in column 1.
void ExtendWildCanasta(Table& table, WildCanastaMode mode);
// Whether a column of that many cards and naturals is a canasta (the threes column never is).
bool FormsCanasta(int cards, int naturals, int column);
// The naturals a canasta of that tally holds now, after a card of its column was taken back.
void RecountCanastaNaturals(MeldTally& tally, const CardPile& melds, const TableLayout& layout,
                            int column);
// Whether a canasta of that tally stops being one without the meld card at removedIndex.
bool CanastaBrokenWithout(const MeldTally& tally, const CardPile& melds, const TableLayout& layout,
                          int removedIndex, int column);
// Canasta test and squaring of one column of either side; true when it is a canasta.
bool SquareCanasta(Table& table, CardPile& pile, bool playerSide, int column);
// Takes a canasta back out of one side's tally and lays its column out card by card again
// (after an undo removed the card that completed it).
void UnsquareCanasta(Table& table, bool playerSide, int column);

}  // namespace tavolex
