#include "computer/expert_parts.h"

namespace tavolex {

ExpertPickUpResult ExpertPickUp(TurnContext&) { return ExpertPickUpResult::Drew; }
bool ExpertShouldTakePile(TurnContext&) { return false; }
bool OpeningPlanner(TurnContext&, int& wildNeeded, int, bool, bool) {
    wildNeeded = 0;
    return false;
}
bool CardsLeftAfterMelding(TurnContext&, int& cardsLeft) {
    cardsLeft = 0;
    return false;
}
bool PileMakesCanastaTest(TurnContext&) { return false; }
bool DenyPileTest(TurnContext&) { return false; }
bool OpeningSurvivesDiscard(TurnContext&, int) { return false; }
void ExpertMeldRank(TurnContext&, int, int) {}
void ExpertMakeInitialMeld(TurnContext&) {}
bool ComputePlayerAhead(const Table&) { return false; }

}  // namespace tavolex
