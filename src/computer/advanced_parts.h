// The Advanced's procedures: the Beginner's with sharper decisions.
#pragma once

#include "computer/computer_turn.h"

namespace tavolex {

// The pick-up decision, with a draw against 25 / D^2 (canastas required) or 16 / D^2.
bool AdvShouldTakePile(TurnContext& turn);
// The Beginner's opening count, accepted only when seven cards stay in hand and the wild cards
// fit the minimum (none below 90, one below 120, any number from 120).
bool AdvOpeningReachable(TurnContext& turn, int& wildNeeded);
// A whole canasta from the hand and its wild cards worth the minimum; the lowest such rank.
bool AdvCanastaOpeningTest(TurnContext& turn, int& rank);
void AdvCanastaOpening(TurnContext& turn, int rank);
// MeldRank with the hand scanned from its last card.
void AdvMeldRank(Table& table, int rank);
void AdvMakeInitialMeld(TurnContext& turn);
// MeldAllForOut without holding a card back.
void AdvMeldAllForOut(TurnContext& turn);
void AdvGoOutWithWilds(TurnContext& turn);
// Index of the first black three in the computer's hand, -1 when it holds none.
int FindBlackThree(const Table& table);
// More than five cards in the discard pile (after a census).
bool PileIsLarge(Table& table);
DiscardChoice AdvChooseDiscard(TurnContext& turn);

class AdvancedLevel : public ComputerLevel {
  public:
    bool ShouldTakePile(TurnContext& turn) override;
    void MeldTakenTopCard(TurnContext& turn, const CardRecord& top) override;
    void MeldForcedTopCard(TurnContext& turn, const CardRecord& top) override;
    void MeldPhase(TurnContext& turn) override;
    DiscardChoice ChooseDiscard(TurnContext& turn) override;
};

}  // namespace tavolex
