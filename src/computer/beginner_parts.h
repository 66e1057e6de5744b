// The Beginner's procedures. The Advanced reuses the melding ones, some with the hand scanned
// from its last card instead of its first.
#pragma once

#include <array>

#include "computer/computer_turn.h"

namespace tavolex {

// The pick-up decision; sets the turn's MeldMinimum (raised by the top card's value when "Top
// Card Counts" is off) whenever the discard pile holds a card.
bool BeginnerShouldTakePile(TurnContext& turn);

// MeldRank: every card of the rank from the hand, the scan starting at its first card; a
// natural meld of exactly two cards then gets one wild card.
void BeginnerMeldRank(Table& table, int rank);
// Moves count cards of a rank (0: all of them) from the hand to the meld, each time the first
// (or last) card of the rank in the hand, with no wild card added.
void MeldCardsOfRank(Table& table, int rank, int count, bool fromLast);

// What the hand reaches towards the initial meld: naturals of ranks held three or more times
// from rank 3 upward, then (while "Natural Pair" is off) pairs with a wild card from rank 13
// downward, each while the points stay below MeldMinimum. A firstRank (the top card of a pile
// about to be taken) counts before them all, as MeldRank lays it. Takes a census first.
struct OpeningCount {
    int points = 0;
    int cards = 0;
    int wildNeeded = 0;
};
OpeningCount CountOpening(TurnContext& turn, int firstRank = -1);
// The Beginner's acceptance: the minimum reached with a card left over to discard.
bool OpeningReachable(TurnContext& turn, int& wildNeeded);
// MakeInitialMeld with the given wild-card count; fromLast selects the Advanced's MeldRank.
void MakeInitialMeldWith(TurnContext& turn, int wildNeeded, bool fromLast);
void MakeInitialMeld(TurnContext& turn);

// Completes canastas with up to three wild cards per meld, always leaving a card in hand.
void BuildCanastas(TurnContext& turn);
// Lays every meldable natural; keepOne holds back a card for the discard (the Beginner).
void MeldAllForOutWith(TurnContext& turn, bool keepOne);
void MeldAllForOut(TurnContext& turn);
// Melds the pairs with a wild card and places the other wild cards down to one card.
void GoOutWithWilds(TurnContext& turn);
// Going out with wild cards: each pair of naturals in hand takes one; spareWilds are the wild
// cards beyond that (negative when too few), rest the cards that are neither.
struct PairsInHand {
    std::array<bool, kColumns> at{};
    int count = 0;
    int spareWilds = 0;
    int rest = 0;
};
PairsInHand CountPairsInHand(Table& table);

DiscardChoice BeginnerChooseDiscard(TurnContext& turn);

// The Beginner's decisions plugged into the shared skeleton.
class BeginnerLevel : public ComputerLevel {
  public:
    bool ShouldTakePile(TurnContext& turn) override;
    void MeldTakenTopCard(TurnContext& turn, const CardRecord& top) override;
    void MeldForcedTopCard(TurnContext& turn, const CardRecord& top) override;
    void MeldPhase(TurnContext& turn) override;
    DiscardChoice ChooseDiscard(TurnContext& turn) override;
};

}  // namespace tavolex
