// The Expert's procedures, shared between its pick-up and opening plan and its melding and
// discard choice.
#pragma once

#include "computer/computer_turn.h"

namespace tavolex {

// Pick-up and opening plan.
enum class ExpertPickUpResult { Drew = 0, TookPile = 1, HandOver = 2 };
ExpertPickUpResult ExpertPickUp(TurnContext& turn);
bool ExpertShouldTakePile(TurnContext& turn);
// Sets the memory's OpeningPlan; returns whether the opening plan is acceptable, with the wild
// cards it needs in wildNeeded.
bool OpeningPlanner(TurnContext& turn, int& wildNeeded, int topRank, bool pileFlag,
                    bool considerPile);
// Cards that would stay in hand after melding everything; true when 0 or 1 and every pair can
// get its wild card.
bool CardsLeftAfterMelding(TurnContext& turn, int& cardsLeft);
bool PileMakesCanastaTest(TurnContext& turn);
bool DenyPileTest(TurnContext& turn);
bool OpeningSurvivesDiscard(TurnContext& turn, int rank);
// Melds up to max cards of a rank (0: all), scanning from the hand's last card.
void ExpertMeldRank(TurnContext& turn, int rank, int max);
void ExpertMakeInitialMeld(TurnContext& turn);
// Melds the top card of a taken pile (the last card of the hand), opening with it when the
// computer has not opened; the rest of the pile still lies on the table.
void ExpertMeldTakenTopCard(TurnContext& turn, int topRank);
bool ComputePlayerAhead(const Table& table);

// Melding and discarding.
void ExpertMeldPhase(TurnContext& turn);
void LayNaturalCanastas(TurnContext& turn);
void AggressiveGoOut(TurnContext& turn);
void ExpertBuildCanastas(TurnContext& turn);
void ExpertMeldAllForOut(TurnContext& turn, int keep);
void ExpertGoOutWithWilds(TurnContext& turn);
int CanastasReachable(TurnContext& turn, int& used);
bool ScoreCheck(const Table& table);
DiscardChoice ExpertChooseDiscard(TurnContext& turn);

}  // namespace tavolex
